#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "text/text_memory.h"

namespace voralind {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct NumberCase {
  const char* description;
  double x;
  const char* expected;
};

void CheckNumberTexts(const NumberCase* cases, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const NumberCase& c = cases[i];
    SCOPED_TRACE(c.description);
    const std::size_t before = LiveTextBuffers();
    {
      Text text = NumberToText(c.x);
      EXPECT_TRUE(text.owned());
      EXPECT_STREQ(text.c_str(), c.expected);
    }
    EXPECT_EQ(LiveTextBuffers(), before);
  }
}

TEST(NumberToTextTest, WorkedValues) {
  const NumberCase cases[] = {
      {"12.3456789", 12.3456789, "12.3456789"},
      {"0.5", 0.5, "0.5"},
      {"100", 100, "100"},
      {"2050", 2050, "2050"},
      {"-3.25", -3.25, "-3.25"},
      {"1e20", 1e20, "1e+020"},
      {"1/3", 1.0 / 3, "0.3333333333333"},
      {"2/3", 2.0 / 3, "0.6666666666667"},
      {"0.1 + 0.2", 0.1 + 0.2, "0.3"},
      {"123456.7890123456", 123456.7890123456, "123456.7890123"},
      {"9999999999999", 9999999999999, "9999999999999"},
      {"10000000000000", 10000000000000, "1e+013"},
      {"12345678901234", 12345678901234, "1.234567890123e+013"},
      {"99999999999999", 99999999999999, "1e+014"},
      {"9.99999999999995", 9.99999999999995, "10"},
      {"0.0001", 0.0001, "0.0001"},
      {"0.00001", 0.00001, "1e-005"},
      {"0.000123456", 0.000123456, "0.000123456"},
      {"0.000099999999999999", 0.000099999999999999, "0.0001"},
      {"1.5e-7", 1.5e-7, "1.5e-007"},
      {"3.1709791983764586e-8", 3.1709791983764586e-8, "3.170979198376e-008"},
      {"1e-100", 1e-100, "1e-100"},
      {"smallest positive double", 4.9406564584124654e-324, "4.940656458412e-324"},
      {"largest double", 1.7976931348623157e308, "1.797693134862e+308"},
      {"-0.0", -0.0, "0"},
      {"437.89328694845", 437.89328694845, "437.8932869485"},
  };
  CheckNumberTexts(cases, std::size(cases));
}

// Boundaries found while building and testing; add to this table, never take from it.
TEST(NumberToTextTest, RegressionBoundaries) {
  const NumberCase cases[] = {
      {"positive zero", 0.0, "0"},
      {"a 5 in the 14th digit rounds up", 0.12345678901225, "0.1234567890123"},
      {"13 digits after three zeros", 2.0 / 3000, "0.0006666666666667"},
      {"carry out of the first digit changes the form", 9999999999999.5, "1e+013"},
      {"carry out of the first digit below one", 0.99999999999995, "1"},
      {"carry raises a small exponent into the plain range", 0.000099999999999995, "0.0001"},
      {"largest plain fraction", 0.00012345678901234, "0.0001234567890123"},
      {"smallest exponent-form magnitude", 9.9999999999994e-5, "9.999999999999e-005"},
      {"two-digit exponent padded", 1e-10, "1e-010"},
      {"one-digit exponent padded", 5e13, "5e+013"},
      {"negative in exponent form", -1.5e-7, "-1.5e-007"},
      {"longest output, 20 bytes", -1.234567890123e-308, "-1.234567890123e-308"},
      {"negative largest double", -DBL_MAX, "-1.797693134862e+308"},
      {"smallest normal", DBL_MIN, "2.225073858507e-308"},
      {"largest subnormal", std::nextafter(DBL_MIN, 0.0), "2.225073858507e-308"},
      {"2^53 needs the exponent form", 9007199254740992.0, "9.007199254741e+015"},
      {"largest whole count the countdown writes", 9999999999999, "9999999999999"},
      {"negative whole count", -420, "-420"},
      {"infinity", kInfinity, "inf"},
      {"negative infinity", -kInfinity, "-inf"},
      {"NaN", std::nan(""), "nan"},
      {"negative NaN", -std::nan(""), "nan"},
  };
  CheckNumberTexts(cases, std::size(cases));
}

// Every double the countdown writes is a whole number below 10^13: its text must be that
// number's plain decimal digits, on every platform.
TEST(NumberToTextTest, WholeNumbersBelowTenToThe13AreWrittenPlainly) {
  for (int64_t n = -100000; n <= 100000; ++n) {
    Text text = NumberToText(static_cast<double>(n));
    ASSERT_EQ(std::string(text.c_str()), std::to_string(n));
  }
  std::mt19937_64 random(42);
  for (int i = 0; i < 100000; ++i) {
    const auto n = static_cast<int64_t>(random() % 10000000000000ULL) * (i % 2 == 0 ? 1 : -1);
    Text text = NumberToText(static_cast<double>(n));
    ASSERT_EQ(std::string(text.c_str()), std::to_string(n));
  }
}

TEST(IntegerToTextTest, WritesPlainDecimal) {
  struct Case {
    int32_t n;
    const char* expected;
  };
  const Case cases[] = {
      {0, "0"},
      {7, "7"},
      {-12, "-12"},
      {2147483647, "2147483647"},
      {-2147483647 - 1, "-2147483648"},
      {1000000000, "1000000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    Text text = IntegerToText(c.n);
    EXPECT_TRUE(text.owned());
    EXPECT_STREQ(text.c_str(), c.expected);
  }
  std::mt19937 random(3);
  for (int i = 0; i < 10000; ++i) {
    const auto n = static_cast<int32_t>(random());
    ASSERT_EQ(std::string(IntegerToText(n).c_str()), std::to_string(n));
  }
}

TEST(TextToIntegerTest, ReadsALeadingInteger) {
  struct Case {
    const char* description;
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"plain", "60", 60},
      {"leading blanks", "  60", 60},
      {"trailing blanks", "60  ", 60},
      {"a unit after the number", "60岁", 60},
      {"full-width digits", "６０", 60},
      {"full-width minus", "－５", -5},
      {"full-width blank then full-width digits", "　６０", 60},
      {"tab, line feed, vertical tab, form feed, carriage return", "\t\n\v\f\r42", 42},
      {"plus sign", "+7", 7},
      {"full-width plus", "＋７", 7},
      {"the fraction is cut, not rounded", "3.9", 3},
      {"no exponent", "1e3", 1},
      {"no hexadecimal", "0x1A", 0},
      {"no digits", "abc", 0},
      {"empty", "", 0},
      {"no blank after the sign", "- 5", 0},
      {"one sign only", "--5", 0},
      {"a character before the number", "岁60", 0},
      {"a lone sign", "-", 0},
      {"a lone lead byte after the digits", "12\xB0", 12},
      {"a byte above 0x7F is no blank",
       "\xA0"
       "5",
       0},
      {"leading zeros", "007", 7},
      {"minus zero", "-0", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(TextToInteger(c.text), c.expected);
  }
  EXPECT_EQ(TextToInteger(nullptr), 0) << "the absent text reads as empty";
}

TEST(TextToIntegerTest, WrapsAroundIn32Bits) {
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"2147483647", 2147483647},   {"2147483648", -2147483647 - 1},
      {"4294967295", -1},           {"4294967296", 0},
      {"99999999999", 1215752191},  {"-2147483648", -2147483647 - 1},
      {"-4294967295", 1},           {"-2147483649", 2147483647},
      {"184467440737095516161", 1},  // 10 * 2^64 + 1: the wrap goes on, never clamps
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TextToInteger(c.text), c.expected);
  }
}

TEST(TextToIntegerTest, ReleasesItsWorkingCopy) {
  const std::size_t before = LiveTextBuffers();
  Text owned = ConcatText("１", "２");
  EXPECT_EQ(TextToInteger(owned), 12);
  EXPECT_STREQ(owned.c_str(), "１２") << "the argument is left as it was";
  ReleaseText(owned);
  EXPECT_EQ(LiveTextBuffers(), before);
}

TEST(TruncateToIntegerTest, CutsTowardZeroAndKeepsTheLow32Bits) {
  struct Case {
    const char* description;
    double x;
    int32_t expected;
  };
  const Case cases[] = {
      {"3.99", 3.99, 3},
      {"-3.99", -3.99, -3},
      {"0.5", 0.5, 0},
      {"-0.5", -0.5, 0},
      {"negative zero", -0.0, 0},
      {"2147483647.9", 2147483647.9, 2147483647},
      {"-2147483648.9", -2147483648.9, -2147483647 - 1},
      {"2147483648", 2147483648.0, -2147483647 - 1},
      {"4294967296", 4294967296.0, 0},
      {"4294967297.5", 4294967297.5, 1},
      {"-2147483649", -2147483649.0, 2147483647},
      {"largest double below 2^63", std::nextafter(9223372036854775808.0, 0.0), -1024},
      {"smallest double above -2^63", -std::nextafter(9223372036854775808.0, 0.0), 1024},
      {"2^63", 9223372036854775808.0, 0},
      {"-2^63", -9223372036854775808.0, 0},
      {"1e19", 1e19, 0},
      {"largest double", DBL_MAX, 0},
      {"infinity", kInfinity, 0},
      {"negative infinity", -kInfinity, 0},
      {"NaN", std::nan(""), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(TruncateToInteger(c.x), c.expected);
  }
}

TEST(AbsoluteValueTest, NegatesOnlyWhatIsBelowZero) {
  EXPECT_EQ(AbsoluteValue(-2.5), 2.5);
  EXPECT_EQ(AbsoluteValue(2.5), 2.5);
  EXPECT_EQ(AbsoluteValue(-kInfinity), kInfinity);
  EXPECT_TRUE(std::isnan(AbsoluteValue(std::nan(""))));

  const double negative_zero = AbsoluteValue(-0.0);
  EXPECT_EQ(negative_zero, 0.0);
  EXPECT_TRUE(std::signbit(negative_zero)) << "negative zero is not below zero";
  EXPECT_STREQ(NumberToText(negative_zero).c_str(), "0");
  EXPECT_FALSE(std::signbit(AbsoluteValue(0.0)));
}

}  // namespace
}  // namespace voralind
