// TimeDifference in the elapsed units against a slow reference that follows the definition
// step by step in extended precision: the distance of the order keys, scaled to the unit,
// nudged by HalfSecond, cut toward zero to 64 bits by a plain cast and wrapped to 32 bits.
// The counting takes a quicker way to the same cut; these cases hold it to the reference,
// above all where the nudged value lies within a hair of a whole number.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "datetime/date_time.h"
#include "datetime/time_difference.h"

namespace voralind {
namespace {

struct Unit {
  TimeUnit unit;
  const char* name;
  int32_t scale;  // units in a day
};

constexpr Unit kScaledUnits[] = {{TimeUnit::Hour, "Hour", 24},
                                 {TimeUnit::Minute, "Minute", 1440},
                                 {TimeUnit::Second, "Second", 86400}};

double ReferenceDifference(double a, double b, const Unit& unit) {
  if (a == b) return 0.0;
  const long double x = static_cast<long double>(DateTimeOrderKey(ClampDateTime(a))) -
                        DateTimeOrderKey(ClampDateTime(b));
  const long double y = x * unit.scale + static_cast<long double>(HalfSecond);
  const auto whole = static_cast<int64_t>(y);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(whole)));
}

// Compares one pair in every scaled unit; returns false after reporting a difference.
bool CountsAsTheReference(double a, double b) {
  for (const Unit& unit : kScaledUnits) {
    const double expected = ReferenceDifference(a, b, unit);
    const double got = TimeDifference(a, b, unit.unit);
    if (got != expected) {
      ADD_FAILURE() << std::hexfloat << "a = " << a << ", b = " << b << std::defaultfloat << ", "
                    << unit.name << ": counted " << got << ", the reference " << expected;
      return false;
    }
  }
  return true;
}

double RandomIn(std::mt19937_64& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

TEST(ElapsedUnitsTest, RandomPairsCountAsTheReference) {
  std::mt19937_64 random(1970);
  int failures = 0;
  for (int i = 0; i < 100000 && failures < 10; ++i) {
    double a;
    double b;
    if (i % 2 == 0) {
      a = RandomIn(random, MinDateTime - 1.0, MaxDateTime + 1.0);
      b = RandomIn(random, MinDateTime - 1.0, MaxDateTime + 1.0);
    } else {
      // Whole seconds, as the countdown counts them, a few hours to many years apart.
      const auto day = static_cast<int32_t>(random() % 3000000) - 600000;
      a = MakeDateTime(1900, 1, 1, 0, 0, 0) + day;
      auto field = [&](uint64_t count) { return static_cast<int32_t>(random() % count); };
      b = BuildDateTime(1900 + field(8000), 1 + field(12), 1 + field(28), field(24), field(60),
                        field(60));
    }
    if (!CountsAsTheReference(a, b)) ++failures;
  }
}

// Pairs whose scaled and nudged distance lies on or right next to a whole number, for both
// signs and at several distances: there the cut must come out as the plain cast's.
TEST(ElapsedUnitsTest, DistancesNextToAWholeNumberCountAsTheReference) {
  const double bases[] = {0.0, 1.0, 45413.4375, -21549.0, 2000000.0};
  const double counts[] = {1, 15, 3600, 37815, 915542985, 58737695414};
  int failures = 0;
  for (const Unit& unit : kScaledUnits) {
    for (double base : bases) {
      for (double count : counts) {
        for (double sign : {1.0, -1.0}) {
          // The distance that, scaled and nudged, gives `count` exactly, and its neighbours.
          const double target = base + sign * (count - HalfSecond) / unit.scale;
          double a = target;
          for (int k = 0; k < 8; ++k) a = std::nextafter(a, -INFINITY);
          for (int k = 0; k < 16 && failures < 10; ++k) {
            a = std::nextafter(a, INFINITY);
            if (!CountsAsTheReference(a, base) || !CountsAsTheReference(base, a)) ++failures;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace voralind
