// The retirement moment and the report of the time until it or since it.
#pragma once

#include <cstdint>

#include "countdown/clock.h"
#include "datetime/date_time.h"
#include "text/text.h"

namespace voralind {

// "Y/M/D/0/0/0": Y = YearOf(birth) + age added as doubles and written by NumberToText
// (it does not wrap), M and D the birth month and day. Example: 1970-05-17, 60 ->
// "2030/5/17/0/0/0". An unreadable birth date (MinDateTime) with 60 gives "160/1/1/0/0/0".
// A birthday on 29 February whose retirement year is a common year names 28 February:
// 2000-02-29 with 61 gives "2061/2/28/0/0/0", the day MakeDateTime's clamping gives. A
// retirement year outside 100..9999 is written as it is ("10001/2/29/0/0/0"); the date
// reader rejects such a text, so the report then counts from MinDateTime.
Text BuildRetirementMomentText(DateTime birth, int32_t age);

// The retirement moment R read from `moment_text` and compared with the clock twice. While R
// is later, "您距离法定退休时间还有" and six lines (年, 个月, 天, 小时, 分钟, 秒), each with a
// fresh clock read; once R is earlier, "您依法退休已经有" and six "累计" lines of absolute
// values, replacing the first. Every line ends in CR LF. Absent when now equals R at both
// comparisons.
Text RetirementReport(TextRef moment_text, Clock& clock);

}  // namespace voralind
