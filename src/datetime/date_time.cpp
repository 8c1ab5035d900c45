#include "datetime/date_time.h"

#include <cmath>
#include <cstdint>

namespace voralind {
namespace {

constexpr int32_t kSecondsPerDay = 86400;

// Days of the months before each month in a common year.
constexpr int32_t kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

struct CivilDate {
  int32_t year;
  int32_t month;
  int32_t day;
};

// The proleptic Gregorian date of day `day` of a DateTime (civil_from_days from H. Hinnant's
// "chrono-Compatible Low-Level Date Algorithms", counted from 1899-12-30 instead of
// 1970-01-01). Every day a DateTime can name, -657434 to 2958466, lies after 0000-03-01
// where the algorithm starts, so its arithmetic stays unsigned, which makes the divisions
// by constants cheaper.
constexpr CivilDate CivilFromDays(int32_t day) noexcept {
  const auto z = static_cast<uint32_t>(day + 693899);  // days since 0000-03-01, > 0
  const uint32_t era = z / 146097;                     // 400-year cycles, [0, 25]
  const uint32_t doe = z - era * 146097;               // [0, 146096]
  const uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);  // [0, 365], from 1 March
  const uint32_t mp = (5 * doy + 2) / 153;                       // [0, 11], March is 0
  const uint32_t day_of_month = doy - (153 * mp + 2) / 5 + 1;    // [1, 31]
  const uint32_t month = mp < 10 ? mp + 3 : mp - 9;              // [1, 12]
  const uint32_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);  // [100, 10000]
  return {static_cast<int32_t>(year), static_cast<int32_t>(month),
          static_cast<int32_t>(day_of_month)};
}

constexpr int32_t ClampInt(int32_t value, int32_t low, int32_t high) noexcept {
  return value < low ? low : (value > high ? high : value);
}

// A moment to the nearest second: its calendar day (days since 1899-12-30) and the seconds
// into that day, 0 to 86399.
struct DayAndTime {
  int32_t day;
  int32_t time;
};

// The split as it is defined: the moment is moved half a second away from zero and cut, in
// extended precision, as the program's floating-point setting does. Rounding that sum to a
// double first would lose the half second for moments far from day 0.
// Precondition: v is clamped into [MinDateTime, MaxDateTime].
[[gnu::noinline]] DayAndTime SplitDayAndTimeExtended(double v) noexcept {
  const long double r =
      v > 0 ? static_cast<long double>(v) + HalfSecond : static_cast<long double>(v) - HalfSecond;
  // After the clamp |r| < 2958467, so these casts are in range; they cut toward zero.
  const auto rounded_day = static_cast<int32_t>(r);
  const auto exact_day = static_cast<int32_t>(v);
  const long double magnitude = std::fabs(r);
  const auto seconds =
      static_cast<int32_t>((magnitude - std::floor(magnitude)) * kSecondsPerDay);  // [0, 86400]

  // Half a second before midnight rounds to 00:00:00 of the next calendar day, which is
  // day + 1 whatever the sign. Moving r away from zero crosses into day + 1 for positive
  // moments but into day - 1 for negative ones (their fraction counts forward from the
  // start of the day while their day count grows toward zero), so the crossing is settled
  // here by the calendar rather than by r. Whole-second moments never come this close to
  // midnight. The product can also round up to a whole day for a fraction just below 1.
  if (rounded_day != exact_day || seconds >= kSecondsPerDay) return {exact_day + 1, 0};
  return {exact_day, seconds};
}

// The same split, done in doubles where they are sure to cut the same way.
//
// Both ways compute cut((|v| + HalfSecond) * 86400), the seconds since day 0 to the
// nearest second, whose day and remainder are the split. The extended way rounds
// |v| + HalfSecond to 64 bits (an error below 2^-43 days, as |v| < 2^22) and its fraction
// times 86400 once more: it lands within 1e-8 s of the exact value. Here |v| * 86400 + 0.5
// is rounded twice to a double below 2^38 (each error at most 2^-16 s), and
// HalfSecond * 86400 differs from 0.5 by less than 1e-16. So when the value computed here
// lies more than kCutMargin (about a millisecond) from every whole number, both ways cut
// to the same second, and so to the same day: the crossing into the next day half a second
// before midnight is the same too. A moment of a whole second is a double within 4e-5 s of
// it, so it lands near x.5 and always takes this way; only moments within a millisecond of
// a half second take the extended way. It is needed: a double just below a half second can
// come out here as exactly a whole number while the extended sum stays below it.
// Precondition: v is clamped into [MinDateTime, MaxDateTime].
DayAndTime SplitDayAndTime(double v) noexcept {
  constexpr double kCutMargin = 1.0 / (1 << 10);
  const double magnitude = v < 0 ? -v : v;
  const double seconds = magnitude * kSecondsPerDay + 0.5;  // [0.5, 2^38)
  const auto cut = static_cast<int64_t>(seconds);
  const double past_cut = seconds - static_cast<double>(cut);  // exact
  if (past_cut <= kCutMargin || past_cut >= 1.0 - kCutMargin) [[unlikely]] {
    return SplitDayAndTimeExtended(v);
  }
  const auto whole_days = static_cast<int32_t>(magnitude);  // cuts toward zero
  const auto days_of_cut = static_cast<int32_t>(cut / kSecondsPerDay);
  const int32_t exact_day = v < 0 ? -whole_days : whole_days;
  // Half a second before midnight the cut reaches the next day: 00:00:00 of day + 1.
  if (days_of_cut != whole_days) return {exact_day + 1, 0};
  return {exact_day, static_cast<int32_t>(cut - int64_t{days_of_cut} * kSecondsPerDay)};
}

// The date of SplitDateTime(v), without the time and weekday fields.
CivilDate DateOf(DateTime v) noexcept {
  return CivilFromDays(SplitDayAndTime(ClampDateTime(v)).day);
}

}  // namespace

bool IsLeapYear(int32_t year) noexcept {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t DaysInMonth(int32_t year, int32_t month) noexcept {
  static constexpr int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kLengths[ClampInt(month, 1, 12) - 1];
}

DateTimeFields SplitDateTime(DateTime v) noexcept {
  const DayAndTime split = SplitDayAndTime(ClampDateTime(v));
  const CivilDate date = CivilFromDays(split.day);
  DateTimeFields fields;
  fields.year = date.year;
  fields.month = date.month;
  fields.day = date.day;
  fields.hour = split.time / 3600;
  fields.minute = split.time / 60 % 60;
  fields.second = split.time % 60;
  // Day 0 is a Saturday (7). Adding 657440, a whole number of weeks, makes every day of the
  // range positive before the remainder is taken.
  fields.weekday = 1 + (split.day + 6 + 657440) % 7;
  return fields;
}

DateTime BuildDateTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       int32_t second) noexcept {
  int32_t n =
      365 * year + year / 4 - year / 100 + year / 400 + kDaysBeforeMonth[month - 1] + day - 693959;
  if (IsLeapYear(year) && month <= 2) --n;
  // The time is scaled and added in extended precision and rounded to a double once.
  const long double t = static_cast<long double>(3600 * hour + 60 * minute + second) * SecondInDays;
  const long double moment = n >= 0 ? n + t : n - t;
  return static_cast<DateTime>(moment);
}

void ClampDateFields(int32_t& year, int32_t& month, int32_t& day, int32_t& hour, int32_t& minute,
                     int32_t& second) noexcept {
  year = ClampInt(year, 100, 9999);
  month = ClampInt(month, 1, 12);
  day = ClampInt(day, 1, 31);
  hour = ClampInt(hour, 0, 23);
  minute = ClampInt(minute, 0, 59);
  second = ClampInt(second, 0, 59);
  const int32_t length = DaysInMonth(year, month);
  if (day > length) day = length;
}

DateTime MakeDateTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                      int32_t second) noexcept {
  ClampDateFields(year, month, day, hour, minute, second);
  return BuildDateTime(year, month, day, hour, minute, second);
}

int32_t YearOf(DateTime v) noexcept { return DateOf(v).year; }
int32_t MonthOf(DateTime v) noexcept { return DateOf(v).month; }
int32_t DayOf(DateTime v) noexcept { return DateOf(v).day; }

double ClampDateTime(double v) noexcept {
  if (v > MaxDateTime) return MaxDateTime;
  if (v < MinDateTime) return MinDateTime;
  // NaN names no moment; taking it as the earliest one keeps every caller's arithmetic on
  // a real moment (and its casts to integers defined).
  if (std::isnan(v)) return MinDateTime;
  return v;
}

double DateTimeOrderKey(double v) noexcept {
  if (v >= 0) return v;
  // 2t - v = t + (t - v): the day count plus the time-of-day fraction, so that later
  // moments of a negative day give larger keys. Exact in double for every DateTime.
  const double t = std::trunc(v);
  return 2 * t - v;
}

}  // namespace voralind
