#include "countdown/countdown.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "datetime/date_time.h"
#include "support/fake_window.h"
#include "support/scripted_clock.h"
#include "text/text_memory.h"
#include "window/controls.h"

namespace voralind {
namespace {

using test_support::FakeWindow;
using test_support::ScriptedClock;

const DateTime kNow = MakeDateTime(2024, 5, 1, 10, 30, 0);
const DateTime kRetirement = MakeDateTime(2030, 5, 17, 0, 0, 0);  // birth 1970-05-17, age 60

constexpr char kCaption[] = "Voralind 2024年5月1日10时30分";
constexpr char kBeforeReport[] =
    "您距离法定退休时间还有6年\r\n共72个月\r\n共2206天\r\n共52957小时\r\n共3177450分钟\r\n"
    "共190647000秒\r\n";
constexpr char kToday[] = "今天还剩下\r\n13小时\r\n共809分钟\r\n共48600秒";

TEST(ComputeCountdownTest, CompleteRunBuildsCaptionGreetingReportAndToday) {
  ScriptedClock clock(kNow);
  const CountdownOutputs outputs = ComputeCountdown("张三", "1970-05-17", "60", clock);
  EXPECT_STREQ(outputs.caption.c_str(), kCaption);
  EXPECT_TRUE(outputs.complete);
  EXPECT_STREQ(outputs.greeting.c_str(), "您好！张三");
  EXPECT_STREQ(outputs.report.c_str(), kBeforeReport);
  EXPECT_STREQ(outputs.today.c_str(), kToday);
  EXPECT_EQ(clock.reads(), 21u);
}

TEST(ComputeCountdownTest, ReadsTheClockAtEachFixedPointAndNeverMore) {
  struct Case {
    const char* description;
    const char* name;
    const char* birth_date;
    const char* age;
    ScriptedClock clock;
    bool complete;
    std::size_t reads;
  };
  Case cases[] = {
      {"absent name", nullptr, "1970-05-17", "60", ScriptedClock(kNow), false, 1},
      {"empty name", "", "1970-05-17", "60", ScriptedClock(kNow), false, 1},
      {"empty birth date", "张三", "", "60", ScriptedClock(kNow), false, 1},
      {"empty age", "张三", "1970-05-17", nullptr, ScriptedClock(kNow), false, 1},
      {"retirement ahead: one report", "张三", "1970-05-17", "60", ScriptedClock(kNow), true,
       1 + 1 + 6 + 1 + 12},
      {"retirement passed: one report", "张三", "1960-01-01", "60", ScriptedClock(kNow), true,
       1 + 1 + 1 + 6 + 12},
      {"now is the retirement moment: no report", "张三", "1970-05-17", "60",
       ScriptedClock(kRetirement), true, 1 + 1 + 1 + 12},
      {"the clock passes the moment mid-run: both reports", "张三", "1970-05-17", "60",
       ScriptedClock::Jumping(kRetirement - SecondInDays, 1 + 1 + 6, kRetirement + SecondInDays),
       true, 1 + 1 + 6 + 1 + 6 + 12},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.description);
    const CountdownOutputs outputs = ComputeCountdown(c.name, c.birth_date, c.age, c.clock);
    EXPECT_EQ(outputs.complete, c.complete);
    EXPECT_FALSE(outputs.caption.absent());
    EXPECT_EQ(outputs.greeting.absent(), !c.complete);
    EXPECT_EQ(outputs.today.absent(), !c.complete);
    EXPECT_EQ(c.clock.reads(), c.reads);
  }
}

TEST(ComputeCountdownTest, CaptionFollowsTheFirstReading) {
  // Later readings do not change the caption: it is made from the first one alone.
  ScriptedClock clock = ScriptedClock::Jumping(kNow, 1, MakeDateTime(2024, 5, 1, 10, 30, 1));
  const CountdownOutputs outputs = ComputeCountdown(nullptr, nullptr, nullptr, clock);
  EXPECT_STREQ(outputs.caption.c_str(), kCaption);
  EXPECT_TRUE(outputs.report.absent());
}

TEST(ComputeCountdownTest, UnreadableInputsAreShownForWhatTheyGive) {
  struct Case {
    const char* description;
    const char* birth_date;
    const char* age;
    const char* report;
  };
  const Case cases[] = {
      {"a birth date that is no date counts from 0100-01-01 plus the age", "不是日期", "60",
       "您依法退休已经有1864年\r\n累计22372个月\r\n累计680933天\r\n累计16342402小时\r\n"
       "累计980544149分钟\r\n累计1296893145秒\r\n"},
      {"single blanks are filled inputs: birth 0100-01-01, age 0", " ", " ",
       "您依法退休已经有1924年\r\n累计23092个月\r\n累计702847天\r\n累计16868338小时\r\n"
       "累计1012100309分钟\r\n累计596476455秒\r\n"},
      {"the age is read up to the first non-digit", "1970-05-17", "６０岁", kBeforeReport},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    ScriptedClock clock(kNow);
    const CountdownOutputs outputs = ComputeCountdown("张三", c.birth_date, c.age, clock);
    EXPECT_TRUE(outputs.complete);
    EXPECT_STREQ(outputs.report.c_str(), c.report);
    EXPECT_STREQ(outputs.today.c_str(), kToday);
  }
}

TEST(ComputeCountdownTest, LeapBirthdayRetiresOnThe28thInACommonYear) {
  // Born 2000-02-29, retiring at 61 in 2061: the report counts to 2061-02-28 00:00:00, so
  // at that moment there is nothing to count and a day earlier one whole day is left.
  ScriptedClock at_moment(MakeDateTime(2061, 2, 28, 0, 0, 0));
  EXPECT_TRUE(ComputeCountdown("张三", "2000-02-29", "61", at_moment).report.absent());

  ScriptedClock day_before(MakeDateTime(2061, 2, 27, 0, 0, 0));
  EXPECT_STREQ(ComputeCountdown("张三", "2000-02-29", "61", day_before).report.c_str(),
               "您距离法定退休时间还有0年\r\n共0个月\r\n共1天\r\n共24小时\r\n共1440分钟\r\n"
               "共86400秒\r\n");
}

// A window whose output boxes already show the texts of an earlier run.
class CountdownRefreshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.SetBox(Control::名称编辑框, "old greeting");
    window_.SetBox(Control::总退休时间编辑框, "old report");
    window_.SetBox(Control::今天时间编辑框, "old today");
  }
  void Type(const char* name, const char* birth_date, const char* age) {
    window_.SetBox(Control::姓名编辑框, name);
    window_.SetBox(Control::出生日期编辑框, birth_date);
    window_.SetBox(Control::退休年龄编辑框, age);
  }
  std::vector<Control> BoxesRead() const {
    std::vector<Control> boxes;
    for (const FakeWindow::Event& e : window_.events()) {
      if (e.call == FakeWindow::Call::kReadBox) boxes.push_back(e.box);
    }
    return boxes;
  }

  FakeWindow window_;
};

TEST_F(CountdownRefreshTest, CompleteRunWritesCaptionThenGreetingReportAndToday) {
  Type("张三", "1970-05-17", "60");
  ScriptedClock clock(kNow);
  CountdownRefresh(window_, clock);

  using Call = FakeWindow::Call;
  const std::vector<std::pair<Call, Control>> expected = {
      {Call::kReadBox, Control::姓名编辑框},      {Call::kReadBox, Control::出生日期编辑框},
      {Call::kReadBox, Control::退休年龄编辑框},  {Call::kWriteCaption, Control::时钟1},
      {Call::kWriteBox, Control::名称编辑框},     {Call::kWriteBox, Control::总退休时间编辑框},
      {Call::kWriteBox, Control::今天时间编辑框},
  };
  std::vector<std::pair<Call, Control>> calls;
  for (const FakeWindow::Event& e : window_.events()) calls.emplace_back(e.call, e.box);
  EXPECT_EQ(calls, expected);

  EXPECT_EQ(window_.caption(), kCaption);
  EXPECT_EQ(window_.Box(Control::名称编辑框), "您好！张三");
  EXPECT_EQ(window_.Box(Control::总退休时间编辑框), kBeforeReport);
  EXPECT_EQ(window_.Box(Control::今天时间编辑框), kToday);
  EXPECT_EQ(window_.Box(Control::姓名编辑框), "张三") << "inputs are never written";
  EXPECT_EQ(clock.reads(), 21u);
}

TEST_F(CountdownRefreshTest, IncompleteRunWritesOnlyTheCaption) {
  struct Case {
    const char* description;
    const char* name;
    const char* birth_date;
    const char* age;
    std::vector<Control> boxes_read;
  };
  const Case cases[] = {
      {"all empty", "", "", "", {Control::姓名编辑框}},
      {"no name: the other boxes are not read", "", "1970-05-17", "60", {Control::姓名编辑框}},
      {"no birth date: the age is not read",
       "张三",
       "",
       "60",
       {Control::姓名编辑框, Control::出生日期编辑框}},
      {"no age",
       "张三",
       "1970-05-17",
       "",
       {Control::姓名编辑框, Control::出生日期编辑框, Control::退休年龄编辑框}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    window_.ClearEvents();
    Type(c.name, c.birth_date, c.age);
    ScriptedClock clock(kNow);
    CountdownRefresh(window_, clock);
    EXPECT_EQ(BoxesRead(), c.boxes_read);
    EXPECT_EQ(window_.caption(), kCaption);
    EXPECT_EQ(window_.Box(Control::名称编辑框), "old greeting");
    EXPECT_EQ(window_.Box(Control::总退休时间编辑框), "old report");
    EXPECT_EQ(window_.Box(Control::今天时间编辑框), "old today");
    EXPECT_EQ(clock.reads(), 1u);
  }
}

TEST_F(CountdownRefreshTest, AbsentReportEmptiesItsBoxWhileTheOthersAreRewritten) {
  Type("张三", "1970-05-17", "60");
  ScriptedClock clock(kRetirement);
  CountdownRefresh(window_, clock);
  EXPECT_EQ(window_.Box(Control::总退休时间编辑框), "");
  EXPECT_EQ(window_.Box(Control::名称编辑框), "您好！张三");
  EXPECT_EQ(window_.Box(Control::今天时间编辑框),
            "今天还剩下\r\n23小时\r\n共1439分钟\r\n共86400秒");
  EXPECT_EQ(clock.reads(), 15u);
}

TEST_F(CountdownRefreshTest, DeletingTheNameFreezesTheOutputs) {
  Type("张三", "1970-05-17", "60");
  ScriptedClock first(kNow);
  CountdownRefresh(window_, first);

  window_.SetBox(Control::姓名编辑框, "");
  ScriptedClock later(MakeDateTime(2024, 5, 1, 10, 30, 1));
  CountdownRefresh(window_, later);
  EXPECT_EQ(window_.caption(), "Voralind 2024年5月1日10时30分1秒");
  EXPECT_EQ(window_.Box(Control::名称编辑框), "您好！张三");
  EXPECT_EQ(window_.Box(Control::总退休时间编辑框), kBeforeReport);
  EXPECT_EQ(window_.Box(Control::今天时间编辑框), kToday);
}

TEST_F(CountdownRefreshTest, ManyRefreshesLeaveNoTextStorageInUse) {
  const std::size_t live_before = LiveTextBuffers();
  // A clock ticking one second per read, starting a little before the retirement moment,
  // so the runs go through the before-report, the crossing, the after-report and days.
  std::vector<DateTime> readings;
  for (int32_t i = 0; i < 2000; ++i) readings.push_back(kRetirement + (i - 40) * SecondInDays);
  ScriptedClock clock(readings);
  const char* const names[] = {"张三", "", "李四"};
  for (int32_t run = 0; run < 120; ++run) {
    Type(names[run % 3], run % 7 == 0 ? "不是日期" : "1970-05-17", run % 5 == 0 ? " " : "60");
    CountdownRefresh(window_, clock);
  }
  EXPECT_EQ(LiveTextBuffers(), live_before);
}

}  // namespace
}  // namespace voralind
