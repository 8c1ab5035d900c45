// The Chinese text form in which the program shows a moment.
#pragma once

#include "datetime/date_time.h"
#include "text/text.h"

namespace voralind {

// "Y年M月D日" followed by "h时m分s秒" when the second is not 0, "h时m分" when only the
// minute is not 0, "h时" when only the hour is not 0, nothing at midnight. No leading
// zeros. The moment is clamped and rounded to the second first.
// Examples: 44314.37850694444 -> "2021年4月28日9时5分3秒"; -1.25 -> "1899年12月29日6时";
// anything below MinDateTime -> "100年1月1日". ParseDateTime reads every result back.
Text DateTimeToText(DateTime v);

}  // namespace voralind
