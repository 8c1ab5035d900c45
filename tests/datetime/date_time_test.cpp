#include "datetime/date_time.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "datetime/date_time_printers.h"

namespace voralind {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

DateTimeFields Fields(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                      int32_t second, int32_t weekday) {
  return {year, month, day, hour, minute, second, weekday};
}

TEST(SplitDateTimeTest, ReadsTheEncodingOfMoments) {
  struct Case {
    const char* description;
    double value;
    DateTimeFields expected;
  };
  const Case cases[] = {
      {"day 0 is a Saturday", 0.0, Fields(1899, 12, 30, 0, 0, 0, 7)},
      {"negative zero is day 0", -0.0, Fields(1899, 12, 30, 0, 0, 0, 7)},
      {"positive fraction", 1.25, Fields(1899, 12, 31, 6, 0, 0, 1)},
      {"the sign belongs to the day only", -1.25, Fields(1899, 12, 29, 6, 0, 0, 6)},
      {"a negative moment late in its day", -1.75, Fields(1899, 12, 29, 18, 0, 0, 6)},
      {"noon of day 0, positive", 0.5, Fields(1899, 12, 30, 12, 0, 0, 7)},
      {"noon of day 0, negative", -0.5, Fields(1899, 12, 30, 12, 0, 0, 7)},
      {"the first day of 1900", 2.0, Fields(1900, 1, 1, 0, 0, 0, 2)},
      {"a Wednesday with every time field", 44314.37850694444, Fields(2021, 4, 28, 9, 5, 3, 4)},
      {"a Tuesday", 54911.0, Fields(2050, 5, 3, 0, 0, 0, 3)},
      {"1970-01-01 was a Thursday", 25569.0, Fields(1970, 1, 1, 0, 0, 0, 5)},
      {"2000-02-29 exists", 36585.0, Fields(2000, 2, 29, 0, 0, 0, 3)},
      {"1900 is no leap year", 61.0, Fields(1900, 3, 1, 0, 0, 0, 5)},
      {"the earliest moment", MinDateTime, Fields(100, 1, 1, 0, 0, 0, 6)},
      {"the latest moment", MaxDateTime, Fields(9999, 12, 31, 0, 0, 0, 6)},
      {"the end of the last day is clamped to its start", 2958465.999988426,
       Fields(9999, 12, 31, 0, 0, 0, 6)},
      {"above the range", 1e300, Fields(9999, 12, 31, 0, 0, 0, 6)},
      {"below the range", -1e300, Fields(100, 1, 1, 0, 0, 0, 6)},
      {"plus infinity", kInfinity, Fields(9999, 12, 31, 0, 0, 0, 6)},
      {"minus infinity", -kInfinity, Fields(100, 1, 1, 0, 0, 0, 6)},
      {"NaN names no moment and reads as the earliest", kNaN, Fields(100, 1, 1, 0, 0, 0, 6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(SplitDateTime(c.value), c.expected);
  }
}

TEST(SplitDateTimeTest, RoundsToTheNearestSecond) {
  const double second = SecondInDays;
  const double noon = 44314.5;  // 2021-04-28 12:00:00
  struct Case {
    const char* description;
    double value;
    DateTimeFields expected;
  };
  const Case cases[] = {
      {"0.4 s after noon", noon + 0.4 * second, Fields(2021, 4, 28, 12, 0, 0, 4)},
      {"0.6 s after noon", noon + 0.6 * second, Fields(2021, 4, 28, 12, 0, 1, 4)},
      {"0.4 s before midnight rounds into the next day", 44315.0 - 0.4 * second,
       Fields(2021, 4, 29, 0, 0, 0, 5)},
      {"0.6 s before midnight stays", 44315.0 - 0.6 * second, Fields(2021, 4, 28, 23, 59, 59, 4)},
      {"negative day: 0.6 s into the time", -1.0 - 0.6 * second, Fields(1899, 12, 29, 0, 0, 1, 6)},
      {"negative day: 0.6 s before its midnight", -2.0 + 0.6 * second,
       Fields(1899, 12, 29, 23, 59, 59, 6)},
      // A negative moment moved away from zero crosses into the calendar day before, not
      // after: these must still land on the next day.
      {"negative day: 0.4 s before its midnight", -2.0 + 0.4 * second,
       Fields(1899, 12, 30, 0, 0, 0, 7)},
      {"day 0 written negative, 0.4 s before midnight", -1.0 + 0.4 * second,
       Fields(1899, 12, 31, 0, 0, 0, 1)},
      {"the double just above -2", -1.9999999999999998, Fields(1899, 12, 30, 0, 0, 0, 7)},
      {"the double just below 1", 0.99999999999999989, Fields(1899, 12, 31, 0, 0, 0, 1)},
      {"on the second day, 0.4 s before its midnight", -657433.0 - (1.0 - 0.4 * second),
       Fields(100, 1, 3, 0, 0, 0, 1)},
      {"on the day before the last, 0.4 s before midnight", MaxDateTime - 0.4 * second,
       Fields(9999, 12, 31, 0, 0, 0, 6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(SplitDateTime(c.value), c.expected);
  }
}

TEST(BuildDateTimeTest, GivesTheDayCountAndTimeOfDay) {
  struct Case {
    const char* description;
    int32_t year, month, day, hour, minute, second;
    double expected;
  };
  const Case cases[] = {
      {"day 0", 1899, 12, 30, 0, 0, 0, 0.0},
      {"a date before day 0 carries its time as a negative fraction", 1899, 12, 29, 6, 0, 0, -1.25},
      {"a date after day 0", 2021, 4, 28, 0, 0, 0, 44314.0},
      {"a date with every time field", 2021, 4, 28, 9, 5, 3, 44314.37850694444},
      {"the countdown's reference moment", 2021, 4, 28, 10, 30, 15, 44314.43767361111},
      {"a birthday", 1990, 5, 3, 0, 0, 0, 32996.0},
      {"29 February of a leap year", 2020, 2, 29, 0, 0, 0, 43890.0},
      {"1 March of a leap year", 2020, 3, 1, 0, 0, 0, 43891.0},
      {"the earliest moment", 100, 1, 1, 0, 0, 0, MinDateTime},
      {"the latest moment", 9999, 12, 31, 0, 0, 0, MaxDateTime},
      {"the last second", 9999, 12, 31, 23, 59, 59, 2958465.999988426},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(BuildDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second), c.expected);
  }
}

TEST(MakeDateTimeTest, ClampsEachFieldWithoutCarrying) {
  struct Case {
    const char* description;
    int32_t year, month, day, hour, minute, second;
    double expected;
  };
  const Case cases[] = {
      {"31 April is cut to 30 April", 2021, 4, 31, 0, 0, 0, 44316.0},
      {"32 December gives the last day of the month, not the next year", 2021, 12, 32, 0, 0, 0,
       44561.0},
      {"29 February in a common year gives 28 February", 2021, 2, 29, 0, 0, 0, 44255.0},
      {"29 February in a leap year stays", 2020, 2, 29, 0, 0, 0, 43890.0},
      {"29 February 1900 gives 28 February", 1900, 2, 29, 0, 0, 0, 60.0},
      {"29 February 2000 stays", 2000, 2, 29, 0, 0, 0, 36585.0},
      {"every field out of range at once", 2021, 13, 0, 24, 60, -1,
       BuildDateTime(2021, 12, 1, 23, 59, 0)},
      {"a year before 100", 50, 1, 1, 0, 0, 0, MinDateTime},
      {"the smallest integers", INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN,
       MinDateTime},
      {"the largest integers", INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX,
       2958465.999988426},
      {"the last second lies above MaxDateTime", 9999, 12, 31, 23, 59, 59, 2958465.999988426},
      {"valid fields are kept", 1990, 5, 3, 8, 30, 15, BuildDateTime(1990, 5, 3, 8, 30, 15)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(MakeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second), c.expected);
  }
}

TEST(ClampDateFieldsTest, RewritesFieldsInPlaceAndCutsTheDayLast) {
  int32_t year = 2021, month = 13, day = 0, hour = 24, minute = 60, second = -1;
  ClampDateFields(year, month, day, hour, minute, second);
  EXPECT_EQ(Fields(year, month, day, hour, minute, second, 0), Fields(2021, 12, 1, 23, 59, 0, 0));

  // The day is cut against the month and year as they are after their own clamping.
  year = 99999, month = 2, day = 31, hour = 0, minute = 0, second = 0;
  ClampDateFields(year, month, day, hour, minute, second);
  EXPECT_EQ(Fields(year, month, day, hour, minute, second, 0), Fields(9999, 2, 28, 0, 0, 0, 0));
  year = 2000, month = -5, day = 99;
  ClampDateFields(year, month, day, hour, minute, second);
  EXPECT_EQ(Fields(year, month, day, hour, minute, second, 0), Fields(2000, 1, 31, 0, 0, 0, 0));
}

TEST(YearMonthDayOfTest, AlwaysGiveAValidField) {
  struct Case {
    const char* description;
    double value;
    int32_t year, month, day;
  };
  const Case cases[] = {
      {"day 0", 0.0, 1899, 12, 30},
      {"noon of day 0 written negative", -0.5, 1899, 12, 30},
      {"the last second is clamped first", MakeDateTime(9999, 12, 31, 23, 59, 59), 9999, 12, 31},
      {"far above the range", 1e9, 9999, 12, 31},
      {"just above the range", 2958466.0, 9999, 12, 31},
      {"far below the range", -1e9, 100, 1, 1},
      {"just below the range", -657435.0, 100, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(YearOf(c.value), c.year);
    EXPECT_EQ(MonthOf(c.value), c.month);
    EXPECT_EQ(DayOf(c.value), c.day);
  }
}

TEST(ClampDateTimeTest, KeepsMomentsInTheValidRange) {
  struct Case {
    const char* description;
    double value;
    double expected;
  };
  const Case cases[] = {
      {"inside", 44314.5, 44314.5},
      {"negative inside", -1.25, -1.25},
      {"the bounds themselves", MinDateTime, MinDateTime},
      {"half a day above", 2958465.5, MaxDateTime},
      {"half a day below", -657434.5, MinDateTime},
      {"plus infinity", kInfinity, MaxDateTime},
      {"minus infinity", -kInfinity, MinDateTime},
      {"NaN", kNaN, MinDateTime},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(ClampDateTime(c.value), c.expected);
  }
}

TEST(DateTimeOrderKeyTest, OrdersNegativeMomentsByTime) {
  struct Case {
    const char* description;
    double value;
    double expected;
  };
  const Case cases[] = {
      {"positive values are their own key", 44314.5, 44314.5},
      {"06:00 of day -1", -1.25, -0.75},
      {"midnight of day -1", -1.0, -1.0},
      {"noon of day 0 written negative equals 0.5", -0.5, 0.5},
      {"the earliest moment", MinDateTime, MinDateTime},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(DateTimeOrderKey(c.value), c.expected);
  }
  auto key = [](double v) { return DateTimeOrderKey(ClampDateTime(v)); };
  EXPECT_GT(key(-1.75), key(-1.25)) << "18:00 is later than 06:00 of the same day";
  EXPECT_LT(key(-1.25), key(-0.5));
  EXPECT_LT(key(-1.75), key(0.0));
  EXPECT_EQ(key(-0.5), key(0.5));
}

// Every day of the calendar, walked by a simple successor that knows only month lengths:
// building gives consecutive day counts, splitting gives the fields back, weekdays cycle.
TEST(DateTimeCalendarTest, EveryDaySplitsBackToItsFields) {
  struct TimeOfDay {
    int32_t hour, minute, second;
  };
  static constexpr TimeOfDay kTimes[] = {{0, 0, 1},    {23, 59, 59}, {12, 0, 0}, {6, 30, 15},
                                         {18, 45, 30}, {11, 59, 59}, {0, 59, 0}};
  int32_t year = 100, month = 1, day = 1;
  int32_t expected_count = -657434;
  int32_t expected_weekday = 6;  // 0100-01-01 was a Friday
  int failures = 0;
  for (int32_t step = 0;; ++step) {
    const TimeOfDay& time = kTimes[step % 7];
    const double midnight = BuildDateTime(year, month, day, 0, 0, 0);
    const double timed = BuildDateTime(year, month, day, time.hour, time.minute, time.second);
    const DateTimeFields at_midnight = Fields(year, month, day, 0, 0, 0, expected_weekday);
    const DateTimeFields at_time =
        Fields(year, month, day, time.hour, time.minute, time.second, expected_weekday);
    // The times of the first day lie below MinDateTime (its fraction makes the number
    // smaller) and those of the last day above MaxDateTime: both are clamped to midnight.
    const bool first_day = expected_count == -657434;
    const bool last_day = year == 9999 && month == 12 && day == 31;
    if (midnight != expected_count || SplitDateTime(midnight) != at_midnight ||
        (!first_day && !last_day && SplitDateTime(timed) != at_time)) {
      ADD_FAILURE() << year << '-' << month << '-' << day << ": built " << midnight
                    << ", expected day " << expected_count << "; split "
                    << testing::PrintToString(SplitDateTime(timed)) << ", expected "
                    << testing::PrintToString(at_time);
      if (++failures == 10) return;
    }
    if (last_day) break;
    ++expected_count;
    expected_weekday = expected_weekday % 7 + 1;
    if (++day > DaysInMonth(year, month)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  EXPECT_EQ(expected_count, MaxDateTime);
}

TEST(CurrentDateTimeTest, IsAWholeSecondOfTheLocalCalendar) {
  const double now = CurrentDateTime();
  const DateTimeFields fields = SplitDateTime(now);
  EXPECT_GE(fields.year, 2020);
  EXPECT_EQ(BuildDateTime(fields.year, fields.month, fields.day, fields.hour, fields.minute,
                          fields.second),
            now)
      << "the fraction of the second is dropped";
}

}  // namespace
}  // namespace voralind
