// NumberToText writes whole numbers below 10^13 straight from their integer value; every
// other double goes through its exact decimal digits. Both ways must give the same bytes:
// these cases hold the text against the digit path for whole numbers, their neighbouring
// doubles (which are not whole, or lie outside the range) and the edges of the range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "text/decimal_digits.h"
#include "text/number_text.h"
#include "text/text_memory.h"

namespace voralind {
namespace {

std::string DigitPathText(double x) { return LayOutDigits(NumberTextDigits(x)).c_str(); }

// Compares one double; returns false after reporting a difference.
bool WritesAsTheDigitPath(double x) {
  const std::size_t before = LiveTextBuffers();
  std::string got;
  {
    Text text = NumberToText(x);
    got = text.c_str();
  }
  const std::string expected = DigitPathText(x);
  if (got == expected && LiveTextBuffers() == before) return true;
  ADD_FAILURE() << std::hexfloat << "x = " << x << std::defaultfloat << " (" << x << "): wrote \""
                << got << "\", the digits give \"" << expected << "\"";
  return false;
}

// x and the nearest doubles on either side of it.
bool NeighbourhoodWritesAsTheDigitPath(double x) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  return WritesAsTheDigitPath(x) && WritesAsTheDigitPath(std::nextafter(x, kInfinity)) &&
         WritesAsTheDigitPath(std::nextafter(x, -kInfinity));
}

TEST(WholeNumberTextTest, EdgesOfTheRangeWriteAsTheDigitPath) {
  struct Case {
    const char* description;
    double x;
  };
  const Case cases[] = {
      {"zero", 0.0},
      {"negative zero", -0.0},
      {"one", 1.0},
      {"minus one", -1.0},
      {"a half, not whole", 0.5},
      {"the largest whole number written plainly", 9999999999999.0},
      {"its negative", -9999999999999.0},
      {"half below 10^13 rounds into the exponent form", 9999999999999.5},
      {"its negative", -9999999999999.5},
      {"10^13, in the exponent form", 1e13},
      {"-10^13", -1e13},
      {"2^53", 9007199254740992.0},
      {"-2^53", -9007199254740992.0},
      {"2^63", 9223372036854775808.0},
      {"-2^63", -9223372036854775808.0},
      {"the largest double", std::numeric_limits<double>::max()},
      {"the smallest positive double", std::numeric_limits<double>::denorm_min()},
      {"2^31", 2147483648.0},
      {"-2^31 - 1", -2147483649.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    NeighbourhoodWritesAsTheDigitPath(c.x);
  }
}

TEST(WholeNumberTextTest, RandomWholeNumbersAndTheirNeighboursWriteAsTheDigitPath) {
  std::mt19937_64 random(2050);
  int failures = 0;
  for (int i = 0; i < 100000 && failures < 10; ++i) {
    // Every length of number from 1 to 16 digits, so whole numbers past 10^13 and up to
    // 2^53 are among them; neighbours of small numbers are fractions.
    uint64_t limit = 10;
    for (int digits = static_cast<int>(random() % 16); digits > 0; --digits) limit *= 10;
    const auto magnitude = static_cast<double>(random() % limit);
    const double x = i % 2 == 0 ? magnitude : -magnitude;
    if (!NeighbourhoodWritesAsTheDigitPath(x)) ++failures;
  }
}

}  // namespace
}  // namespace voralind
