#include "countdown/day_remainder.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "datetime/date_time.h"
#include "support/scripted_clock.h"
#include "text/text_memory.h"

namespace voralind {
namespace {

using test_support::ScriptedClock;

TEST(DayRemainderReportTest, CountsToTheEndOfTodayAndToTheNextMidnight) {
  struct Case {
    const char* description;
    DateTime now;
    const char* expected;
  };
  const Case cases[] = {
      {"mid-morning", MakeDateTime(2024, 5, 1, 10, 30, 0),
       "今天还剩下\r\n13小时\r\n共809分钟\r\n共48600秒"},
      {"midnight", MakeDateTime(2024, 5, 1, 0, 0, 0),
       "今天还剩下\r\n23小时\r\n共1439分钟\r\n共86400秒"},
      {"the last second of the year: the next day is 1 January",
       MakeDateTime(2024, 12, 31, 23, 59, 59), "今天还剩下\r\n0小时\r\n共0分钟\r\n共1秒"},
      {"the last day of a month", MakeDateTime(2024, 1, 31, 10, 30, 0),
       "今天还剩下\r\n13小时\r\n共809分钟\r\n共48600秒"},
      {"a leap day", MakeDateTime(2024, 2, 29, 12, 0, 1),
       "今天还剩下\r\n11小时\r\n共719分钟\r\n共43199秒"},
      {"a day before 1899-12-30", MakeDateTime(1800, 6, 1, 10, 30, 0),
       "今天还剩下\r\n13小时\r\n共809分钟\r\n共48600秒"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    ScriptedClock clock(c.now);
    const std::size_t live_before = LiveTextBuffers();
    {
      const Text text = DayRemainderReport(clock);
      EXPECT_STREQ(text.c_str(), c.expected);
      EXPECT_EQ(LiveTextBuffers(), live_before + 1) << "only the result is still held";
    }
    EXPECT_EQ(clock.reads(), 12u);
  }
}

TEST(DayRemainderReportTest, LineMixesTwoDatesWhenMidnightPassesBetweenItsReadings) {
  // Year and month are read on 30 April, the day and now on 1 May: the hours line counts to
  // 2024-04-01 23:59:59, 29 days and a second in the past. The later lines are all May.
  ScriptedClock clock = ScriptedClock::Jumping(MakeDateTime(2024, 4, 30, 23, 59, 59), 2,
                                               MakeDateTime(2024, 5, 1, 0, 0, 0));
  const Text text = DayRemainderReport(clock);
  EXPECT_STREQ(text.c_str(), "今天还剩下\r\n-696小时\r\n共1439分钟\r\n共86400秒");
  EXPECT_EQ(clock.reads(), 12u);
}

}  // namespace
}  // namespace voralind
