#include "datetime/time_difference.h"

#include <cstdint>

namespace voralind {
namespace {

// Cuts y toward zero to 64 bits and keeps the low 32 bits, wrapping in two's complement.
// Callers pass distances between clamped moments, at most about 3.2e11 in magnitude, so
// the 64-bit result is always in range.
//
// A direct cast of a long double to an integer switches the x87 unit's rounding mode to
// truncation and back around every conversion, which stalls it. Instead y is taken apart
// into two doubles with y == high + low exactly: high is y rounded to a double (a plain
// store, in the current round-to-nearest mode) and low the remainder, at most 11 bits long,
// so also exact. Cutting high with an SSE conversion gives the answer, except when high is
// already a whole number and low points toward zero: then y lies just short of high and
// the cut is one unit closer to zero.
int32_t WrapTo32(long double y) noexcept {
  const auto high = static_cast<double>(y);
  const auto low = static_cast<double>(y - high);
  auto whole = static_cast<int64_t>(high);
  if (static_cast<double>(whole) == high) {
    if (high > 0 && low < 0) --whole;
    if (high < 0 && low > 0) ++whole;
  }
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(whole)));
}

}  // namespace

double TimeDifference(DateTime a, DateTime b, TimeUnit unit) noexcept {
  int32_t u = static_cast<int32_t>(unit);
  if (u < 1) u = 1;
  if (u > 8) u = 8;
  if (a == b) return 0.0;

  const DateTime clamped_a = ClampDateTime(a);
  const DateTime clamped_b = ClampDateTime(b);
  const auto clamped_unit = static_cast<TimeUnit>(u);
  // Only the calendar units and Week look at the split fields; the other units count from
  // the distance alone, so they skip the two splits.
  if (clamped_unit <= TimeUnit::Month) {
    const DateTimeFields fa = SplitDateTime(clamped_a);
    const DateTimeFields fb = SplitDateTime(clamped_b);
    const int32_t years = fa.year - fb.year;
    if (clamped_unit == TimeUnit::Year) return years;
    if (clamped_unit == TimeUnit::Quarter)
      return 4 * years + (fa.month - 1) / 3 - (fb.month - 1) / 3;
    return 12 * years + fa.month - fb.month;
  }

  const double key_a = DateTimeOrderKey(clamped_a);
  const double key_b = DateTimeOrderKey(clamped_b);
  // The distance, its scaling and the half-second nudge are carried in extended precision,
  // as the program's floating-point setting does. In plain doubles a distance of thousands
  // of years times 86400 has too few fraction bits left to hold the nudge.
  const long double x = static_cast<long double>(key_a) - key_b;
  const long double nudge = HalfSecond;

  switch (clamped_unit) {
    case TimeUnit::Week: {
      const int32_t weekday_a = SplitDateTime(clamped_a).weekday;
      const int32_t weekday_b = SplitDateTime(clamped_b).weekday;
      const int32_t weeks = WrapTo32(x) / 7;
      if (key_a > key_b && weekday_a < weekday_b) return weeks + 1;
      if (key_a < key_b && weekday_b < weekday_a) return weeks - 1;
      return weeks;
    }
    case TimeUnit::Day:
      return static_cast<double>(x);
    case TimeUnit::Hour:
      return WrapTo32(x * 24 + nudge);
    case TimeUnit::Minute:
      return WrapTo32(x * 1440 + nudge);
    default:
      break;
  }
  return WrapTo32(x * 86400 + nudge);
}

}  // namespace voralind
