#include "countdown/retirement_report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "datetime/date_parse.h"
#include "datetime/date_time.h"
#include "support/scripted_clock.h"
#include "text/text_memory.h"

namespace voralind {
namespace {

using test_support::ScriptedClock;

DateTime At(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0,
            int32_t second = 0) {
  return MakeDateTime(year, month, day, hour, minute, second);
}

TEST(BuildRetirementMomentTextTest, NamesTheBirthdayInTheRetirementYearAtMidnight) {
  struct Case {
    const char* description;
    DateTime birth;
    int32_t age;
    const char* expected;
  };
  const Case cases[] = {
      {"an ordinary birthday", At(1970, 5, 17), 60, "2030/5/17/0/0/0"},
      {"the time of birth is dropped", At(1970, 5, 17, 13, 45, 10), 60, "2030/5/17/0/0/0"},
      {"an unreadable birth date is 0100-01-01", MinDateTime, 60, "160/1/1/0/0/0"},
      {"age 0 names the birthday itself", At(1990, 12, 31), 0, "1990/12/31/0/0/0"},
      {"a negative age counts back", At(1970, 5, 17), -1900, "70/5/17/0/0/0"},
      {"the year is summed as doubles and never wraps", At(1970, 5, 17),
       std::numeric_limits<int32_t>::max(), "2147485617/5/17/0/0/0"},
      {"the most negative age", At(1970, 5, 17), std::numeric_limits<int32_t>::min(),
       "-2147481678/5/17/0/0/0"},
      {"29 February, leap retirement year", At(2000, 2, 29), 60, "2060/2/29/0/0/0"},
      {"29 February, common retirement year: the 28th", At(2000, 2, 29), 61, "2061/2/28/0/0/0"},
      {"29 February, a century is a common year", At(2000, 2, 29), 100, "2100/2/28/0/0/0"},
      {"29 February, every 400th year is leap", At(2000, 2, 29), 400, "2400/2/29/0/0/0"},
      {"29 February, retirement year past 9999 is left alone", At(2000, 2, 29), 8001,
       "10001/2/29/0/0/0"},
      {"29 February, retirement year before 100 is left alone", At(2000, 2, 29), -1999,
       "1/2/29/0/0/0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_STREQ(BuildRetirementMomentText(c.birth, c.age).c_str(), c.expected);
  }
}

TEST(BuildRetirementMomentTextTest, LeapBirthdayTextReadsBackAsTheDayItNames) {
  // The 28th is what MakeDateTime makes of 29 February in a common year, so the text and
  // the moment the report counts to agree instead of the text falling back to 0100-01-01.
  for (const int32_t age : {57, 58, 59, 60, 61}) {
    SCOPED_TRACE(age);
    const Text text = BuildRetirementMomentText(At(2000, 2, 29), age);
    EXPECT_EQ(ParseDateTime(text), At(2000 + age, 2, 29));
  }
}

// Birth 1970-05-17, age 60, seen at 2024-05-01 10:30:00.
constexpr char kBeforeReport[] =
    "您距离法定退休时间还有6年\r\n共72个月\r\n共2206天\r\n共52957小时\r\n共3177450分钟\r\n"
    "共190647000秒\r\n";
// Birth 1960-01-01, age 60, seen at 2024-05-01 10:30:00. The distance is a whole number of
// minutes and seconds, which the minute and second counts take as one less.
constexpr char kAfterReport[] =
    "您依法退休已经有4年\r\n累计52个月\r\n累计1582天\r\n累计37978小时\r\n累计2278709分钟\r\n"
    "累计136722599秒\r\n";

TEST(RetirementReportTest, ChoosesTheReportByTwoComparisonsWithTheClock) {
  const DateTime now = At(2024, 5, 1, 10, 30, 0);
  const DateTime retirement = At(2030, 5, 17);
  struct Case {
    const char* description;
    const char* moment_text;
    ScriptedClock clock;
    const char* expected;  // nullptr: absent
    std::size_t reads;
  };
  Case cases[] = {
      {"retirement ahead: the before-report", "2030/5/17/0/0/0", ScriptedClock(now), kBeforeReport,
       1 + 6 + 1},
      {"retirement passed: the after-report", "2020/1/1/0/0/0", ScriptedClock(now), kAfterReport,
       1 + 1 + 6},
      {"now is the retirement moment: absent", "2030/5/17/0/0/0", ScriptedClock(retirement),
       nullptr, 2},
      {"the clock passes the moment between the comparisons: both built, the later wins",
       "2030/5/17/0/0/0",
       ScriptedClock::Jumping(retirement - SecondInDays, 1 + 6, retirement + SecondInDays),
       "您依法退休已经有0年\r\n累计0个月\r\n累计0天\r\n累计0小时\r\n累计0分钟\r\n累计0秒\r\n",
       1 + 6 + 1 + 6},
      {"an unreadable text counts from 0100-01-01", "2021/2/29/0/0/0", ScriptedClock(now),
       "您依法退休已经有1924年\r\n累计23092个月\r\n累计702847天\r\n累计16868338小时\r\n"
       "累计1012100309分钟\r\n累计596476455秒\r\n",
       1 + 1 + 6},
      // Before 1899-12-30 a later moment is the smaller double; noon is later than midnight.
      {"moments before 1899 are ordered by their key, not as doubles", "1800/6/1/0/0/0",
       ScriptedClock(At(1800, 6, 1, 12, 0, 0)),
       "您依法退休已经有0年\r\n累计0个月\r\n累计0天\r\n累计11小时\r\n累计719分钟\r\n"
       "累计43199秒\r\n",
       1 + 1 + 6},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.description);
    const std::size_t live_before = LiveTextBuffers();
    {
      const Text report = RetirementReport(c.moment_text, c.clock);
      if (c.expected == nullptr) {
        EXPECT_TRUE(report.absent());
      } else {
        EXPECT_STREQ(report.c_str(), c.expected);
      }
      // Every intermediate (numbers, shorter reports, a replaced report) is gone already.
      EXPECT_EQ(LiveTextBuffers(), live_before + (report.owned() ? 1 : 0));
    }
    EXPECT_EQ(c.clock.reads(), c.reads);
    EXPECT_EQ(LiveTextBuffers(), live_before);
  }
}

TEST(RetirementReportTest, EachLineCountsFromItsOwnReading) {
  // One second passes at every read: comparison 10:30:00, lines 10:30:01 to 10:30:06.
  std::vector<DateTime> readings;
  for (int32_t second = 0; second < 8; ++second) readings.push_back(At(2024, 5, 1, 10, 30, second));
  ScriptedClock clock(readings);
  const Text report = RetirementReport("2030/5/17/0/0/0", clock);
  EXPECT_STREQ(report.c_str(),
               "您距离法定退休时间还有6年\r\n共72个月\r\n共2206天\r\n共52957小时\r\n"
               "共3177449分钟\r\n共190646994秒\r\n");
  EXPECT_EQ(clock.reads(), 8u);
}

}  // namespace
}  // namespace voralind
