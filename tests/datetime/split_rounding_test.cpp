// SplitDateTime against a slow reference that rounds exactly as the split is defined: the
// clamped moment moved half a second away from zero in extended precision, cut to a day,
// its fraction scaled to seconds in extended precision and cut again. The split takes a
// quicker way for most moments; these cases make sure the quicker way never cuts
// differently, above all for moments a hair away from a half second.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>

#include "datetime/date_time.h"

namespace voralind {
namespace {

struct DayAndSeconds {
  int32_t day;
  int32_t seconds;

  friend bool operator==(const DayAndSeconds&, const DayAndSeconds&) = default;
};

DayAndSeconds ReferenceSplit(double v) {
  v = ClampDateTime(v);
  const long double r =
      v > 0 ? static_cast<long double>(v) + HalfSecond : static_cast<long double>(v) - HalfSecond;
  const long double magnitude = std::fabs(r);
  const long double whole = std::floor(magnitude);
  const auto seconds = static_cast<int32_t>((magnitude - whole) * 86400);
  const auto exact_day = static_cast<int32_t>(v);
  // Half a second before midnight, for either sign, is 00:00:00 of the next calendar day.
  if (static_cast<int32_t>(r) != exact_day || seconds >= 86400) return {exact_day + 1, 0};
  return {exact_day, seconds};
}

DayAndSeconds SplitUnderTest(double v) {
  const DateTimeFields f = SplitDateTime(v);
  const double midnight = BuildDateTime(f.year, f.month, f.day, 0, 0, 0);
  return {static_cast<int32_t>(midnight), 3600 * f.hour + 60 * f.minute + f.second};
}

// Compares one moment; returns false after reporting a difference.
bool SplitsAsTheReference(double v) {
  const DayAndSeconds expected = ReferenceSplit(v);
  const DayAndSeconds got = SplitUnderTest(v);
  if (got == expected) return true;
  ADD_FAILURE() << std::hexfloat << "v = " << v << std::defaultfloat << " (" << v
                << "): split gives day " << got.day << " second " << got.seconds
                << ", the reference day " << expected.day << " second " << expected.seconds;
  return false;
}

double RandomIn(std::mt19937_64& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

TEST(SplitRoundingTest, RandomMomentsSplitAsTheReference) {
  std::mt19937_64 random(20240501);
  int failures = 0;
  for (int i = 0; i < 200000 && failures < 10; ++i) {
    // Any moment of the range, and moments near day 0, where the fraction has most bits.
    const double v =
        i % 2 == 0 ? RandomIn(random, MinDateTime, MaxDateTime + 1.0) : RandomIn(random, -3.0, 3.0);
    if (!SplitsAsTheReference(v)) ++failures;
  }
}

TEST(SplitRoundingTest, WholeSecondsSplitAsTheReference) {
  std::mt19937_64 random(17);
  int failures = 0;
  for (int i = 0; i < 100000 && failures < 10; ++i) {
    const auto day = static_cast<int32_t>(random() % 3615900) - 657434;
    const auto second = static_cast<int32_t>(random() % 86400);
    const double magnitude = std::fabs(static_cast<double>(day)) + second * SecondInDays;
    const double v = day < 0 ? -magnitude : magnitude;
    if (!SplitsAsTheReference(v)) ++failures;
  }
}

// Moments at a half second and the doubles around it, on days near 0 (many fraction bits)
// and far from it (few), for both signs: where rounding decides the second, and where a
// half second before midnight decides the day.
TEST(SplitRoundingTest, MomentsAtAHalfSecondSplitAsTheReference) {
  struct Case {
    const char* description;
    double day;
    int32_t second;  // the half second after this one
  };
  const Case cases[] = {
      {"day 0", 0.0, 0},
      {"day 0, two seconds in", 0.0, 2},
      // Doubles just below these half seconds give a whole number of seconds when scaled
      // in double precision, but not in extended precision.
      {"day 1, a hard case", 1.0, 25350},
      {"day 3, a hard case", 3.0, 79678},
      {"day -1, a hard case", -1.0, 39229},
      {"day 1, mid-morning", 1.0, 36000},
      {"day 1, before midnight", 1.0, 86399},
      {"a day of 1970", 25569.0, 45296},
      {"a day of 2024", 45413.0, 37800},
      {"a day of 2024, before midnight", 45413.0, 86399},
      {"the day before the last", MaxDateTime - 1.0, 43199},
      {"the day before the last, before midnight", MaxDateTime - 1.0, 86399},
      {"day -1", -1.0, 21600},
      {"day -1, before midnight", -1.0, 86399},
      {"day -2, before midnight", -2.0, 86399},
      {"a day of 1600", -109573.0, 60},
      {"the second day, before midnight", MinDateTime + 1.0, 86399},
  };
  std::mt19937_64 random(5);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    const double offset = (c.second + 0.5) / 86400.0;
    const double half = c.day < 0 ? c.day - offset : c.day + offset;
    int failures = 0;
    for (int step = -64; step <= 64 && failures < 5; ++step) {
      double v = half;
      for (int k = 0; k < std::abs(step); ++k)
        v = std::nextafter(v, step < 0 ? -INFINITY : INFINITY);
      if (!SplitsAsTheReference(v)) ++failures;
    }
    // A little further out: up to a few microseconds either side, at random.
    for (int i = 0; i < 2000 && failures < 5; ++i) {
      const double v = half + RandomIn(random, -5e-6, 5e-6) * SecondInDays;
      if (!SplitsAsTheReference(v)) ++failures;
    }
  }
}

TEST(SplitRoundingTest, RandomBitPatternsSplitAsTheReference) {
  std::mt19937_64 random(99);
  int failures = 0;
  for (int i = 0; i < 100000 && failures < 10; ++i) {
    const uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (!SplitsAsTheReference(v)) ++failures;
  }
}

}  // namespace
}  // namespace voralind
