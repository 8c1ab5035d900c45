// Reading a moment from text: lenient about separators, strict about field ranges.
#pragma once

#include <optional>

#include "datetime/date_time.h"
#include "text/text.h"

namespace voralind {

// Reads year (up to 4 digits), month, day, hour, minute, second (up to 2 digits each) after
// folding full-width forms. After each of the first five fields at most one separator is
// consumed: one of / - : . (after the day also a blank) or that field's mark 年 月 日 时 分.
// The text must end after the second, or go on with 秒 (whatever follows it is ignored).
// Month and day are required; the time fields default to 0. Every field must be in range.
// Any failure gives MinDateTime, which is also what "0100-1-1" names.
// Examples: "1990-05-03" -> 32996.0; "19900503123045" -> 1990-05-03 12:30:45;
// "12345/1/1" -> 1234-05-01 01:00:00 (the fifth digit starts the month); "1990 5 3" and
// "2021/2/29" -> MinDateTime. Never reads past the NUL, whatever the bytes.
DateTime ParseDateTime(TextRef text);

// The same reading, telling a failure (nullopt) from a text that really names MinDateTime.
// Examples: "0100-1-1" -> MinDateTime; "abc" -> nullopt.
std::optional<DateTime> TryParseDateTime(TextRef text);

}  // namespace voralind
