#include "datetime/date_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "datetime/date_parse.h"
#include "datetime/date_time.h"
#include "text/text_memory.h"

namespace voralind {
namespace {

TEST(DateTimeToTextTest, LeavesOutTrailingZeroTimeFields) {
  struct Case {
    const char* description;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {"every field", 44314.37850694444, "2021年4月28日9时5分3秒"},
      {"to the minute", BuildDateTime(2021, 4, 28, 10, 30, 0), "2021年4月28日10时30分"},
      {"to the hour", BuildDateTime(2021, 4, 28, 10, 0, 0), "2021年4月28日10时"},
      {"midnight: no time", 44314.0, "2021年4月28日"},
      {"zero hour and minute before a second", BuildDateTime(2021, 4, 28, 0, 0, 5),
       "2021年4月28日0时0分5秒"},
      {"zero hour before a minute", BuildDateTime(2021, 4, 28, 0, 30, 0), "2021年4月28日0时30分"},
      {"the longest form", BuildDateTime(2021, 4, 28, 23, 59, 59), "2021年4月28日23时59分59秒"},
      {"a negative moment", -1.25, "1899年12月29日6时"},
      {"the earliest moment", MinDateTime, "100年1月1日"},
      {"below the earliest moment", -1e9, "100年1月1日"},
      {"minus infinity", -std::numeric_limits<double>::infinity(), "100年1月1日"},
      {"the time of the last day is lost by the clamp", 2958465.5, "9999年12月31日"},
      {"far above the range", 1e300, "9999年12月31日"},
      {"rounded to the nearest second", 44314.37850694444 + 0.6 * SecondInDays,
       "2021年4月28日9时5分4秒"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    Text text = DateTimeToText(c.value);
    EXPECT_TRUE(text.owned());
    EXPECT_STREQ(text.c_str(), c.expected);
  }
}

TEST(DateTimeToTextTest, WritesTheLongestFormIntoAnExactBuffer) {
  const std::size_t before = LiveTextBuffers();
  {
    Text text = DateTimeToText(BuildDateTime(9999, 12, 30, 23, 59, 59));
    EXPECT_STREQ(text.c_str(), "9999年12月30日23时59分59秒");
    EXPECT_EQ(text.size(), 26u);
    EXPECT_EQ(LiveTextBuffers(), before + 1);
  }
  EXPECT_EQ(LiveTextBuffers(), before);
}

// The moment a text stands for, compared with the moment v: a text names v rounded to the
// nearest second, so the two may lie up to half a second apart.
::testing::AssertionResult ReadsBackAsTheSameMoment(double v) {
  Text text = DateTimeToText(v);
  const double back = ParseDateTime(text);
  const double distance =
      DateTimeOrderKey(ClampDateTime(back)) - DateTimeOrderKey(ClampDateTime(v));
  // Half a second, with room for the rounding of moments of a few million days.
  if (std::fabs(distance) <= HalfSecond + 1e-9) {
    Text again = DateTimeToText(back);
    if (std::strcmp(again.c_str(), text.c_str()) == 0) return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << std::hexfloat << v << " wrote \"" << text.c_str() << "\", read back as " << back;
}

TEST(DateTimeToTextTest, EveryTextReadsBackAsTheSameMoment) {
  std::mt19937_64 random(20240501);
  std::uniform_real_distribution<double> whole_range(MinDateTime - 2, MaxDateTime + 2);
  std::uniform_int_distribution<int32_t> day(-657434, 2958465);
  std::uniform_int_distribution<int32_t> second_of_day(0, 86399);
  std::uniform_real_distribution<double> near_midnight(-0.49, 0.49);
  int failures = 0;
  auto check = [&](double v) {
    const ::testing::AssertionResult result = ReadsBackAsTheSameMoment(v);
    if (!result && ++failures <= 10) ADD_FAILURE() << result.message();
  };
  for (int i = 0; i < 200000; ++i) {
    // Any double in and around the range, with fractions of a second.
    check(whole_range(random));
    // Whole-second moments, as the program builds them, of either sign.
    const int32_t d = day(random);
    const double t = second_of_day(random) * SecondInDays;
    check(d >= 0 ? d + t : d - t);
    // Within half a second of a midnight, where rounding moves to the next day.
    const double midnight_offset = near_midnight(random) * SecondInDays;
    check(d >= 0 ? d + 1 + midnight_offset : d - 1 + midnight_offset);
    // Arbitrary bit patterns: mostly far outside the range, some NaNs and infinities.
    check(std::bit_cast<double>(random()));
  }
}

}  // namespace
}  // namespace voralind
