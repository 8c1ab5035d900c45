#include "text/decimal_digits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace voralind {
namespace {

std::string DigitString(const DecimalDigits& d) {
  return std::string(d.digits.data(), static_cast<std::size_t>(d.count));
}

DecimalDigits Finite(const char* digits, int32_t exponent, bool negative = false) {
  DecimalDigits d;
  d.kind = DecimalDigits::Kind::kFinite;
  d.negative = negative;
  d.count = static_cast<int32_t>(std::strlen(digits));
  d.exponent = exponent;
  std::memcpy(d.digits.data(), digits, std::strlen(digits));
  return d;
}

TEST(LeadingDecimalDigitsTest, CutsTheExactExpansionWithoutRounding) {
  struct Case {
    const char* description;
    double x;
    const char* digits;  // 18 significant digits
    int32_t exponent;
  };
  const Case cases[] = {
      {"one", 1.0, "100000000000000000", 0},
      {"a half: the expansion is shorter than 18 digits", 0.5, "500000000000000000", -1},
      {"0.1 is a little above one tenth", 0.1, "100000000000000005", -1},
      {"1e23 is a little below", 1e23, "999999999999999916", 22},
      {"2^63", 9223372036854775808.0, "922337203685477580", 18},
      {"digits 14 to 18 are 49999", 437.89328694845, "437893286948449997", 2},
      {"sign is kept apart", -3.25, "325000000000000000", 0},
      {"smallest subnormal", 4.9406564584124654e-324, "494065645841246544", -324},
      {"smallest normal", DBL_MIN, "222507385850720138", -308},
      {"longest expansion, 767 digits", std::nextafter(2 * DBL_MIN, 0.0), "445014771701440227",
       -308},
      {"largest double", DBL_MAX, "179769313486231570", 308},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    const DecimalDigits d = LeadingDecimalDigits(c.x, 18);
    EXPECT_EQ(d.kind, DecimalDigits::Kind::kFinite);
    EXPECT_EQ(d.negative, c.x < 0);
    EXPECT_EQ(DigitString(d), c.digits);
    EXPECT_EQ(d.exponent, c.exponent);
  }
}

TEST(LeadingDecimalDigitsTest, ZeroInfinityAndNaNCarryOnlyTheirSign) {
  EXPECT_EQ(LeadingDecimalDigits(0.0, 18).kind, DecimalDigits::Kind::kZero);
  EXPECT_FALSE(LeadingDecimalDigits(0.0, 18).negative);
  EXPECT_EQ(LeadingDecimalDigits(-0.0, 18).kind, DecimalDigits::Kind::kZero);
  EXPECT_TRUE(LeadingDecimalDigits(-0.0, 18).negative);
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(LeadingDecimalDigits(inf, 18).kind, DecimalDigits::Kind::kInfinity);
  EXPECT_TRUE(LeadingDecimalDigits(-inf, 18).negative);
  EXPECT_EQ(LeadingDecimalDigits(std::nan(""), 18).kind, DecimalDigits::Kind::kNaN);
}

TEST(RoundDigitsHalfUpTest, LooksAtOneDigitAndCarriesLeftwards) {
  struct Case {
    const char* description;
    const char* digits;
    int32_t keep;
    const char* expected;
    int32_t exponent_raise;
  };
  const Case cases[] = {
      {"below five stays", "12344", 4, "1234", 0},
      {"five rounds up", "12345", 4, "1235", 0},
      {"a tie goes up, never to even", "12250", 3, "123", 0},
      {"only the first dropped digit counts", "1234499", 4, "1234", 0},
      {"carry through nines", "12999", 4, "1300", 0},
      {"carry out of the first digit", "99995", 4, "1000", 1},
      {"nothing to drop", "123", 5, "123", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    const DecimalDigits rounded = RoundDigitsHalfUp(Finite(c.digits, 7), c.keep);
    EXPECT_EQ(DigitString(rounded), c.expected);
    EXPECT_EQ(rounded.exponent, 7 + c.exponent_raise);
  }
}

TEST(NumberTextDigitsTest, RoundsTwiceThroughSeventeenDigits) {
  struct Case {
    const char* description;
    double x;
    const char* digits;
    int32_t exponent;
  };
  const Case cases[] = {
      {"49999 in digits 14 to 18 rounds up twice", 437.89328694845, "4378932869485", 2},
      {"carry out of the first digit in the second pass", 9.99999999999995, "1000000000000", 1},
      {"a tie at the 14th digit goes up", 9999999999999.5, "1000000000000", 13},
      {"0.1 + 0.2 loses its tail", 0.1 + 0.2, "3000000000000", -1},
      {"smallest subnormal", 4.9406564584124654e-324, "4940656458412", -324},
      {"largest double", DBL_MAX, "1797693134862", 308},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    const DecimalDigits d = NumberTextDigits(c.x);
    EXPECT_EQ(DigitString(d), c.digits);
    EXPECT_EQ(d.exponent, c.exponent);
  }
}

TEST(LayOutDigitsTest, PicksTheFormByExponentAndTrimsZeros) {
  struct Case {
    const char* description;
    DecimalDigits d;
    const char* expected;
  };
  const Case cases[] = {
      {"integer", Finite("2050000000000", 3), "2050"},
      {"fraction", Finite("1234567890123", 5), "123456.7890123"},
      {"negative", Finite("3250000000000", 0, true), "-3.25"},
      {"exponent 12 is still plain", Finite("9999999999999", 12), "9999999999999"},
      {"exponent 13 switches form", Finite("1000000000000", 13), "1e+013"},
      {"exponent form keeps its fraction", Finite("1234567890123", 13), "1.234567890123e+013"},
      {"exponent -4 is still plain", Finite("1234560000000", -4), "0.000123456"},
      {"exponent -5 switches form", Finite("1000000000000", -5), "1e-005"},
      {"three exponent digits when two would do", Finite("1000000000000", 20), "1e+020"},
      {"a one-digit exponent is padded too", Finite("1500000000000", -7), "1.5e-007"},
      {"three-digit exponent", Finite("4940656458412", -324), "4.940656458412e-324"},
      {"longest output: 20 bytes", Finite("1234567890123", -308, true), "-1.234567890123e-308"},
      {"an exponent past three digits is not cut", Finite("1", 1000), "1e+1000"},
      {"the precision is the digit count", Finite("12", 2), "1.2e+002"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    const NumberTextBytes text = LayOutDigits(c.d);
    EXPECT_STREQ(text.c_str(), c.expected);
    EXPECT_EQ(text.length, std::strlen(c.expected));
  }

  DecimalDigits special;
  EXPECT_STREQ(LayOutDigits(special).c_str(), "0");
  special.negative = true;
  EXPECT_STREQ(LayOutDigits(special).c_str(), "0") << "negative zero";
  special.kind = DecimalDigits::Kind::kInfinity;
  EXPECT_STREQ(LayOutDigits(special).c_str(), "-inf");
  special.kind = DecimalDigits::Kind::kNaN;
  EXPECT_STREQ(LayOutDigits(special).c_str(), "nan");
}

#ifdef __GLIBC__
// glibc prints the exact expansion of any double when asked for enough digits (no double has
// more than 767 significant ones), which makes it a slow but plainly correct reference. Other
// C libraries do not promise this, so these comparisons run only where it holds.

struct ReferenceDigits {
  uint64_t leading18 = 0;  // the first 18 significant digits as an integer
  int32_t exponent = 0;
};

ReferenceDigits ExactReference(double magnitude) {
  static char buffer[1024];
  std::snprintf(buffer, sizeof buffer, "%.800e", magnitude);
  ReferenceDigits r;
  std::string digits;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  r.exponent = static_cast<int32_t>(std::strtol(p + 1, nullptr, 10));
  r.leading18 = std::stoull(digits.substr(0, 18));
  return r;
}

// Rounds an n-digit integer half up to n - drop digits, in plain integer arithmetic.
void RoundReference(uint64_t& digits, int32_t& exponent, int drop, uint64_t limit) {
  uint64_t scale = 1;
  for (int i = 0; i < drop; ++i) scale *= 10;
  digits = (digits + scale / 2) / scale;
  if (digits == limit) {  // 99..9 became 100..0: one digit too many
    digits /= 10;
    ++exponent;
  }
}

std::string ReferenceText(double x) {
  ReferenceDigits r = ExactReference(std::fabs(x));
  uint64_t digits = r.leading18;
  int32_t exponent = r.exponent;
  RoundReference(digits, exponent, 1, 100000000000000000ULL);
  RoundReference(digits, exponent, 4, 10000000000000ULL);
  // The 13-digit decimal read back into the nearest double and printed by the C library:
  // for normal magnitudes 13 digits survive the round trip exactly.
  char decimal[64];
  std::snprintf(decimal, sizeof decimal, "%llue%d", static_cast<unsigned long long>(digits),
                exponent - 12);
  char printed[64];
  std::snprintf(printed, sizeof printed, "%.13g", (x < 0 ? -1 : 1) * std::strtod(decimal, nullptr));
  std::string text = printed;
  const std::size_t e = text.find('e');
  if (e != std::string::npos) {
    const std::size_t width = text.size() - (e + 2);
    if (width < 3) text = text.substr(0, e + 2) + std::string(3 - width, '0') + text.substr(e + 2);
  }
  return text;
}

void CheckAgainstReference(double x) {
  ReferenceDigits r = ExactReference(std::fabs(x));
  const DecimalDigits cut = LeadingDecimalDigits(x, 18);
  ASSERT_EQ(DigitString(cut), std::to_string(r.leading18)) << "x = " << x;
  ASSERT_EQ(cut.exponent, r.exponent) << "x = " << x;

  uint64_t digits = r.leading18;
  int32_t exponent = r.exponent;
  RoundReference(digits, exponent, 1, 100000000000000000ULL);
  const DecimalDigits first = RoundDigitsHalfUp(cut, 17);
  ASSERT_EQ(DigitString(first), std::to_string(digits)) << "x = " << x;
  ASSERT_EQ(first.exponent, exponent) << "x = " << x;

  const NumberTextBytes text = LayOutDigits(NumberTextDigits(x));
  ASSERT_LE(text.length, 20U) << "x = " << x;
  if (std::fabs(x) >= 1e-300) {
    ASSERT_EQ(std::string(text.c_str()), ReferenceText(x)) << "x = " << x;
  }
}

TEST(DecimalDigitsReferenceTest, RandomBitPatterns) {
  std::mt19937_64 random(20240601);
  for (int i = 0; i < 20000; ++i) {
    double x;
    const uint64_t bits = random();
    std::memcpy(&x, &bits, sizeof x);
    if (!std::isfinite(x) || x == 0) continue;
    CheckAgainstReference(x);
    if (HasFatalFailure()) return;
  }
}

TEST(DecimalDigitsReferenceTest, ValuesNearTheRoundingBoundaries) {
  // Decimals whose digits 14 to 18 sit at the edges the two roundings care about
  // (49995..49999, 5000x, 9999x), at many scales, read into the nearest double.
  std::mt19937_64 random(7);
  const char* tails[] = {"49995", "49999", "49994", "50000", "99999", "99995", "00000", "49996"};
  for (int i = 0; i < 20000; ++i) {
    std::string decimal = std::to_string(1 + random() % 9);
    for (int k = 0; k < 12; ++k) decimal += static_cast<char>('0' + random() % 10);
    if (random() % 4 == 0) decimal = "9999999999999";
    decimal += tails[random() % std::size(tails)];
    for (int k = 0; k < 3; ++k) decimal += static_cast<char>('0' + random() % 10);
    const int exponent = static_cast<int>(random() % 600) - 300 - 20;
    decimal += 'e';
    decimal += std::to_string(exponent);
    const double x = std::strtod(decimal.c_str(), nullptr);
    CheckAgainstReference(random() % 2 == 0 ? x : -x);
    if (HasFatalFailure()) return;
  }
}

TEST(DecimalDigitsReferenceTest, SubnormalsAndTheirNeighbours) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 3000; ++i) {
    double x;
    // Biased exponent 0 to 3: every subnormal binade shape and the first normal ones.
    const uint64_t bits = (random() & ((uint64_t{1} << 52) - 1)) | (random() % 4) << 52;
    std::memcpy(&x, &bits, sizeof x);
    if (x == 0) continue;
    CheckAgainstReference(x);
    if (HasFatalFailure()) return;
  }
}
#endif  // __GLIBC__

}  // namespace
}  // namespace voralind
