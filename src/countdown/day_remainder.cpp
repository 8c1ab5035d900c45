#include "countdown/day_remainder.h"

#include "countdown/report_lines.h"
#include "datetime/time_difference.h"
#include "text/number_text.h"

namespace voralind {
namespace {

using report_lines::AppendLine;
using report_lines::kHourLine;
using report_lines::kMinuteLine;
using report_lines::kSecondEnd;
using report_lines::kTotalPrefix;

constexpr char kHeading[] = "\xBD\xF1\xCC\xEC\xBB\xB9\xCA\xA3\xCF\xC2\r\n";  // 今天还剩下\r\n

struct CalendarDay {
  int32_t year;
  int32_t month;
  int32_t day;
};

// Year, month and day each from a reading of its own, in that order. Near midnight the
// readings may straddle two dates; the line then mixes them, as the clock said.
CalendarDay ReadToday(Clock& clock) {
  CalendarDay today{};
  today.year = YearOf(clock.Read());
  today.month = MonthOf(clock.Read());
  today.day = DayOf(clock.Read());
  return today;
}

// 23:59:59 of the day: hours and minutes are counted to this moment.
DateTime EndOf(const CalendarDay& d) noexcept {
  return MakeDateTime(d.year, d.month, d.day, 23, 59, 59);
}

// 00:00:00 of the following day, one second after EndOf: the seconds are counted to it.
// Midnights are whole numbers for every day, so adding a day carries into the next month
// and year by itself.
DateTime StartOfNextDay(const CalendarDay& d) noexcept {
  return MakeDateTime(d.year, d.month, d.day, 0, 0, 0) + 1.0;
}

}  // namespace

Text DayRemainderReport(Clock& clock) {
  Text text = kHeading;

  CalendarDay today = ReadToday(clock);
  DateTime target = EndOf(today);
  AppendLine(text, nullptr, NumberToText(TimeDifference(target, clock.Read(), TimeUnit::Hour)),
             kHourLine);

  today = ReadToday(clock);
  target = EndOf(today);
  AppendLine(text, kTotalPrefix,
             NumberToText(TimeDifference(target, clock.Read(), TimeUnit::Minute)), kMinuteLine);

  today = ReadToday(clock);
  target = StartOfNextDay(today);
  AppendLine(text, kTotalPrefix,
             NumberToText(TimeDifference(target, clock.Read(), TimeUnit::Second)), kSecondEnd);
  return text;
}

}  // namespace voralind
