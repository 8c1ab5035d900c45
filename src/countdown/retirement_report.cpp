#include "countdown/retirement_report.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "countdown/report_lines.h"
#include "datetime/date_parse.h"
#include "datetime/time_difference.h"
#include "text/number_text.h"

namespace voralind {
namespace {

using report_lines::AppendLine;
using report_lines::kDayLine;
using report_lines::kHourLine;
using report_lines::kMinuteLine;
using report_lines::kMonthLine;
using report_lines::kSecondLine;
using report_lines::kTotalPrefix;
using report_lines::kYearLine;

constexpr char kSlash[] = "/";
constexpr char kMidnightTail[] = "/0/0/0";

// 您距离法定退休时间还有
constexpr char kBeforeOpening[] =
    "\xC4\xFA\xBE\xE0\xC0\xEB\xB7\xA8\xB6\xA8\xCD\xCB\xD0\xDD\xCA\xB1\xBC\xE4\xBB\xB9\xD3\xD0";
// 您依法退休已经有
constexpr char kAfterOpening[] = "\xC4\xFA\xD2\xC0\xB7\xA8\xCD\xCB\xD0\xDD\xD2\xD1\xBE\xAD\xD3\xD0";
constexpr char kRunningTotalPrefix[] = "\xC0\xDB\xBC\xC6";  // 累计

struct ReportLine {
  TimeUnit unit;
  const char* suffix;
};

// The six lines of both reports, in order. The first carries no prefix: it continues the
// opening text.
constexpr ReportLine kLines[] = {
    {TimeUnit::Year, kYearLine}, {TimeUnit::Month, kMonthLine},   {TimeUnit::Day, kDayLine},
    {TimeUnit::Hour, kHourLine}, {TimeUnit::Minute, kMinuteLine}, {TimeUnit::Second, kSecondLine},
};

// Ordering goes through the key of the clamped moment: plain doubles misorder moments
// before 1899-12-30, whose fraction counts the other way.
double OrderOf(DateTime v) noexcept { return DateTimeOrderKey(ClampDateTime(v)); }

// Before the retirement moment the day count is cut to a whole number as an integer; every
// other count is the whole number TimeDifference already returns.
Text CountUntil(DateTime retirement, TimeUnit unit, Clock& clock) {
  const double count = TimeDifference(retirement, clock.Read(), unit);
  if (unit == TimeUnit::Day) return IntegerToText(TruncateToInteger(count));
  return NumberToText(count);
}

// After the retirement moment every count is negative and is shown by its magnitude; the
// day count is cut to a whole number first and turned back into a double.
Text CountSince(DateTime retirement, TimeUnit unit, Clock& clock) {
  double count = TimeDifference(retirement, clock.Read(), unit);
  if (unit == TimeUnit::Day) count = static_cast<double>(TruncateToInteger(count));
  return NumberToText(AbsoluteValue(count));
}

using CountLine = Text (*)(DateTime, TimeUnit, Clock&);

// The opening and six lines, each counted from its own reading of the clock.
Text BuildReport(const char* opening, TextRef prefix, CountLine count, DateTime retirement,
                 Clock& clock) {
  Text report = Text::Constant(opening);
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    AppendLine(report, i == 0 ? TextRef() : prefix, count(retirement, kLines[i].unit, clock),
               kLines[i].suffix);
  }
  return report;
}

}  // namespace

Text BuildRetirementMomentText(DateTime birth, int32_t age) {
  // Added as doubles so that a large age cannot wrap the year.
  const double year = static_cast<double>(YearOf(birth)) + static_cast<double>(age);
  const int32_t month = MonthOf(birth);
  int32_t day = DayOf(birth);
  // A 29 February birthday in a common retirement year would name a day that does not
  // exist and that the date reader rejects. It is cut to the month's last day, as
  // MakeDateTime cuts it, so the text and the moment read back from it agree. Years the
  // reader rejects anyway are left alone: the text then falls back as any other.
  if (year >= 100.0 && year <= 9999.0) {
    day = std::min(day, DaysInMonth(static_cast<int32_t>(year), month));
  }
  Text year_text = NumberToText(year);
  Text month_text = IntegerToText(month);
  Text day_text = IntegerToText(day);
  return ConcatText(year_text, kSlash, month_text, kSlash, day_text, kMidnightTail);
}

Text RetirementReport(TextRef moment_text, Clock& clock) {
  // Reading the same text always gives the same moment, so it is read once. The clock is
  // read afresh for each comparison and each line: a second may pass during the run.
  const DateTime retirement = ParseDateTime(moment_text);
  const double retirement_order = OrderOf(retirement);

  Text report;
  if (retirement_order > OrderOf(clock.Read())) {
    report = BuildReport(kBeforeOpening, kTotalPrefix, CountUntil, retirement, clock);
  }
  // Made whatever the first comparison found: when the clock passes the retirement moment
  // between the two, both reports are built and the later one wins.
  if (retirement_order < OrderOf(clock.Read())) {
    report = BuildReport(kAfterOpening, kRunningTotalPrefix, CountSince, retirement, clock);
  }
  return report;
}

}  // namespace voralind
