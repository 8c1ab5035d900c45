// What is left of the current day.
#pragma once

#include "countdown/clock.h"
#include "text/text.h"

namespace voralind {

// "今天还剩下\r\n" H "小时\r\n共" M "分钟\r\n共" S "秒": hours and minutes until 23:59:59
// today, seconds until 00:00:00 of the next day. Each line reads the clock four times
// (year, month, day, now), 12 reads in all; no CR LF after the last line.
// Example: at 10:30:00 the lines carry 13, 809 and 48600.
Text DayRemainderReport(Clock& clock);

}  // namespace voralind
