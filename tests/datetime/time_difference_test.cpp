#include "datetime/time_difference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <limits>

#include "datetime/date_time.h"

namespace voralind {
namespace {

constexpr TimeUnit kAllUnits[] = {TimeUnit::Year,   TimeUnit::Quarter, TimeUnit::Month,
                                  TimeUnit::Week,   TimeUnit::Day,     TimeUnit::Hour,
                                  TimeUnit::Minute, TimeUnit::Second};

const char* UnitName(TimeUnit unit) {
  static const char* const kNames[] = {"Year", "Quarter", "Month",  "Week",
                                       "Day",  "Hour",    "Minute", "Second"};
  return kNames[static_cast<int32_t>(unit) - 1];
}

struct Case {
  const char* description;
  double a;
  double b;
  TimeUnit unit;
  double expected;
};

void CheckCases(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    SCOPED_TRACE(testing::Message() << c->description << ", " << UnitName(c->unit));
    const double got = TimeDifference(c->a, c->b, c->unit);
    EXPECT_EQ(got, c->expected) << std::setprecision(17) << "got " << got << ", expected "
                                << c->expected;
  }
}

const double kB = BuildDateTime(2021, 4, 28, 10, 30, 15);  // 44314.43767361111

TEST(TimeDifferenceTest, CountsEveryUnitBetweenTwoMomentsBothWays) {
  const double a = BuildDateTime(2050, 5, 3, 0, 0, 0);  // 54911.0, a Tuesday
  ASSERT_EQ(a, 54911.0);
  ASSERT_EQ(kB, 44314.43767361111);
  const Case cases[] = {
      {"later", a, kB, TimeUnit::Year, 29},
      {"later", a, kB, TimeUnit::Quarter, 116},
      {"later", a, kB, TimeUnit::Month, 349},
      {"later; a Tuesday after a Wednesday adds a week", a, kB, TimeUnit::Week, 1514},
      {"later", a, kB, TimeUnit::Day, 10596.562326388892},
      {"later", a, kB, TimeUnit::Hour, 254317},
      {"later", a, kB, TimeUnit::Minute, 15259049},
      {"later, a whole number of seconds", a, kB, TimeUnit::Second, 915542985},
      {"earlier", kB, a, TimeUnit::Year, -29},
      {"earlier", kB, a, TimeUnit::Quarter, -116},
      {"earlier", kB, a, TimeUnit::Month, -349},
      {"earlier", kB, a, TimeUnit::Week, -1514},
      {"earlier", kB, a, TimeUnit::Day, -10596.562326388892},
      {"earlier", kB, a, TimeUnit::Hour, -254317},
      {"earlier", kB, a, TimeUnit::Minute, -15259049},
      {"earlier: the nudge takes one second off a whole negative count", kB, a, TimeUnit::Second,
       -915542984},
  };
  CheckCases(std::begin(cases), std::end(cases));
}

TEST(TimeDifferenceTest, NudgesAndWrapsInTheUnitsOwnScale) {
  const Case cases[] = {
      {"to the end of the day", BuildDateTime(2021, 4, 28, 23, 59, 59), kB, TimeUnit::Hour, 13},
      {"to the end of the day", BuildDateTime(2021, 4, 28, 23, 59, 59), kB, TimeUnit::Minute, 809},
      {"to the end of the day", BuildDateTime(2021, 4, 28, 23, 59, 59), kB, TimeUnit::Second,
       48584},
      {"to the next midnight", BuildDateTime(2021, 4, 29, 0, 0, 0), kB, TimeUnit::Second, 48585},
      {"back to midnight: 37815 s", BuildDateTime(2021, 4, 28, 0, 0, 0), kB, TimeUnit::Second,
       -37814},
      {"back to midnight", BuildDateTime(2021, 4, 28, 0, 0, 0), kB, TimeUnit::Minute, -630},
      {"back to midnight", BuildDateTime(2021, 4, 28, 0, 0, 0), kB, TimeUnit::Hour, -10},
      {"exactly 3 hours back", BuildDateTime(2021, 4, 28, 7, 30, 15), kB, TimeUnit::Hour, -2},
      {"3.5 hours back", BuildDateTime(2021, 4, 28, 7, 0, 15), kB, TimeUnit::Hour, -3},
      {"exactly 15 seconds back", BuildDateTime(2021, 4, 28, 10, 30, 0), kB, TimeUnit::Second, -14},
      {"exactly 15 seconds on", BuildDateTime(2021, 4, 28, 10, 30, 30), kB, TimeUnit::Second, 15},
      {"seconds wrap: the low 32 bits of -58737695414", BuildDateTime(160, 1, 1, 0, 0, 0), kB,
       TimeUnit::Second, 1391846730},
      {"minutes still fit", BuildDateTime(160, 1, 1, 0, 0, 0), kB, TimeUnit::Minute, -978961590},
      {"across the whole range", MaxDateTime, MinDateTime, TimeUnit::Hour, 86781576},
      {"minutes wrap across the whole range", MaxDateTime, MinDateTime, TimeUnit::Minute,
       911927264},
      {"seconds wrap across the whole range", MaxDateTime, MinDateTime, TimeUnit::Second,
       -1118939008},
      {"minutes wrap across the whole range, backwards", MinDateTime, MaxDateTime, TimeUnit::Minute,
       -911927263},
      {"seconds wrap across the whole range, backwards", MinDateTime, MaxDateTime, TimeUnit::Second,
       1118939009},
      {"whole weeks between two Fridays", MaxDateTime, MinDateTime, TimeUnit::Week, 516557},
      {"whole weeks between two Fridays, backwards", MinDateTime, MaxDateTime, TimeUnit::Week,
       -516557},
  };
  CheckCases(std::begin(cases), std::end(cases));
}

// An unreadable birth date makes 0100-01-01 plus 60 years the retirement moment. Its
// distance to now, far from day 0, keeps the half-second nudge only when the distance and
// its scaling carry more than a double's 53 bits; in doubles this gives 1296893143.
TEST(TimeDifferenceTest, KeepsTheNudgeFarFromDayZero) {
  const double retirement = BuildDateTime(160, 1, 1, 0, 0, 0);
  const double now = BuildDateTime(2024, 5, 1, 10, 30, 1);
  EXPECT_EQ(TimeDifference(retirement, now, TimeUnit::Second), 1296893144);
  EXPECT_EQ(TimeDifference(now, retirement, TimeUnit::Second), -1296893143);
  EXPECT_EQ(TimeDifference(retirement, now, TimeUnit::Minute), -980544150);
}

TEST(TimeDifferenceTest, CalendarUnitsLookOnlyAtYearAndMonth) {
  const double new_year = BuildDateTime(2050, 1, 1, 0, 0, 0);  // a Saturday
  const double eve = BuildDateTime(2049, 12, 31, 23, 59, 59);  // a Friday
  const Case cases[] = {
      {"one second across New Year", new_year, eve, TimeUnit::Year, 1},
      {"one second across New Year", new_year, eve, TimeUnit::Quarter, 1},
      {"one second across New Year", new_year, eve, TimeUnit::Month, 1},
      {"Saturday against Friday crosses no week", new_year, eve, TimeUnit::Week, 0},
      {"one second across New Year", new_year, eve, TimeUnit::Hour, 0},
      {"one second across New Year", new_year, eve, TimeUnit::Minute, 0},
      {"one second across New Year", new_year, eve, TimeUnit::Second, 1},
      {"one second across New Year", new_year, eve, TimeUnit::Day, new_year - eve},
      {"quarters count from January, April, July, October", BuildDateTime(2021, 4, 1, 0, 0, 0),
       BuildDateTime(2021, 3, 31, 0, 0, 0), TimeUnit::Quarter, 1},
      {"a month within a quarter", BuildDateTime(2021, 3, 31, 0, 0, 0),
       BuildDateTime(2021, 1, 1, 0, 0, 0), TimeUnit::Quarter, 0},
      {"the day of the month does not count", BuildDateTime(2021, 5, 1, 0, 0, 0),
       BuildDateTime(2021, 4, 30, 23, 0, 0), TimeUnit::Month, 1},
  };
  CheckCases(std::begin(cases), std::end(cases));
  EXPECT_NEAR(TimeDifference(new_year, eve, TimeUnit::Day), 1.1574e-05, 1e-9);
}

TEST(TimeDifferenceTest, OrdersNegativeMomentsByTime) {
  // -1.75 is 1899-12-29 18:00:00, twelve hours after -1.25, although the smaller number.
  const Case cases[] = {
      {"18:00 after 06:00 of day -1", -1.75, -1.25, TimeUnit::Day, 0.5},
      {"18:00 after 06:00 of day -1", -1.75, -1.25, TimeUnit::Hour, 12},
      {"across day 0", 0.25, -1.75, TimeUnit::Hour, 12},
      {"noon of day 0 written both ways is one moment", -0.5, 0.5, TimeUnit::Second, 0},
      {"a Saturday after a Friday a week earlier", 0.0, -7.0, TimeUnit::Week, 1},
      {"a Friday six days after a Saturday has crossed a Sunday", -1.0, -7.0, TimeUnit::Week, 1},
      {"a Saturday six days after a Sunday crosses none", 0.0, -6.0, TimeUnit::Week, 0},
  };
  CheckCases(std::begin(cases), std::end(cases));
}

TEST(TimeDifferenceTest, ClampsUnitsAndMoments) {
  const double a = BuildDateTime(2050, 5, 3, 0, 0, 0);
  EXPECT_EQ(TimeDifference(a, kB, static_cast<TimeUnit>(0)), 29) << "below 1 acts as Year";
  EXPECT_EQ(TimeDifference(a, kB, static_cast<TimeUnit>(INT32_MIN)), 29);
  EXPECT_EQ(TimeDifference(a, kB, static_cast<TimeUnit>(9)), 915542985) << "above 8: Second";
  EXPECT_EQ(TimeDifference(a, kB, static_cast<TimeUnit>(INT32_MAX)), 915542985);

  EXPECT_EQ(TimeDifference(3000000.0, 0.0, TimeUnit::Day), 2958465.0) << "a is clamped first";
  EXPECT_EQ(TimeDifference(3000000.0, 2958466.0, TimeUnit::Second), 0) << "both clamp to Max";
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(TimeDifference(nan, MinDateTime, TimeUnit::Second), 0);
  EXPECT_EQ(TimeDifference(MinDateTime + 1, nan, TimeUnit::Day), 1.0);

  for (TimeUnit unit : kAllUnits) {
    SCOPED_TRACE(UnitName(unit));
    EXPECT_EQ(TimeDifference(kB, kB, unit), 0.0) << "equal moments";
    EXPECT_EQ(TimeDifference(-1.25, -1.25, unit), 0.0) << "equal negative moments";
  }
}

}  // namespace
}  // namespace voralind
