#include "window/navigation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "datetime/date_time.h"
#include "support/scripted_clock.h"
#include "window/model_window.h"

namespace voralind {

// Failures name the control (as GBK bytes, the program's encoding).
void PrintTo(const Control& control, std::ostream* os) { *os << RecordOf(control).name; }

namespace {

using test_support::ModelWindow;

constexpr Control kName = Control::姓名编辑框;
constexpr Control kBirth = Control::出生日期编辑框;
constexpr Control kAge = Control::退休年龄编辑框;

TEST(TabOrderTest, WalksTheThreeInputsInFillingOrder) {
  const std::array<Control, 3> expected = {kName, kBirth, kAge};
  EXPECT_EQ(TabOrder(), expected);

  struct Case {
    Control from;
    Control forward, backward;
  };
  const Case kCases[] = {
      {kName, kBirth, kAge},
      {kBirth, kAge, kName},
      {kAge, kName, kBirth},
      // Outside the cycle (an output box after a click): Tab to the first, Shift+Tab to
      // the last.
      {Control::总退休时间编辑框, kName, kAge},
      {Control::名称编辑框, kName, kAge},
      {Control::今天时间编辑框, kName, kAge},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(RecordOf(c.from).name);
    EXPECT_EQ(NextInTabOrder(c.from, true), c.forward);
    EXPECT_EQ(NextInTabOrder(c.from, false), c.backward);
  }
}

TEST(FoldKeypadTest, KeypadKeysFoldOntoTheMainKeyboard) {
  struct Case {
    int32_t virtual_key;
    KeyCode folded;
  };
  const Case kCases[] = {
      {96, 48},   {101, 53},  {105, 57},   // keypad digits
      {109, 189}, {110, 190}, {111, 191},  // minus, decimal point, divide
      {106, 106}, {107, 107},              // multiply and add are not folded
      {95, 95},   {112, 112},              // neighbours of the folded ranges
      {13, 13},   {37, 37},   {48, 48},   {65, 65},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.virtual_key);
    EXPECT_EQ(FoldKeypad(c.virtual_key), c.folded);
  }
}

// One key press in a window whose inputs hold the given texts.
struct KeyCase {
  const char* description;
  const char* name;
  const char* birth;
  Control focused;
  KeyCode key;
  ModifierState modifiers;
  Control focus_after;
  KeyOutcome outcome;
};

const KeyCase kKeyCases[] = {
    {"Enter in an empty name box stays", "", "", kName, kKeyEnter, 0, kName, KeyOutcome::Deliver},
    {"Enter after a name moves on", "张三", "", kName, kKeyEnter, 0, kBirth, KeyOutcome::Deliver},
    {"a single blank counts as a name", " ", "", kName, kKeyEnter, 0, kBirth, KeyOutcome::Deliver},
    {"Left in an empty name box moves on", "", "", kName, kKeyLeft, 0, kBirth, KeyOutcome::Deliver},
    {"Right never moves", "张三", "", kName, kKeyRight, 0, kName, KeyOutcome::Deliver},
    {"Up never moves", "张三", "", kName, kKeyUp, 0, kName, KeyOutcome::Deliver},
    {"Down never moves", "张三", "", kName, kKeyDown, 0, kName, KeyOutcome::Deliver},
    {"Ctrl+Enter reaches the handler", "张三", "", kName, kKeyEnter, kModCtrl, kBirth,
     KeyOutcome::Deliver},
    {"Shift+Enter reaches the handler", "张三", "", kName, kKeyEnter, kModShift, kBirth,
     KeyOutcome::Deliver},
    {"Alt+Left reaches the handler", "", "", kName, kKeyLeft, kModAlt, kBirth, KeyOutcome::Deliver},
    {"Enter in the date box needs the name", "", "1990-05-03", kBirth, kKeyEnter, 0, kBirth,
     KeyOutcome::Deliver},
    {"Enter in an empty date box stays", "张三", "", kBirth, kKeyEnter, 0, kBirth,
     KeyOutcome::Deliver},
    {"Enter with name and date moves on", "张三", "abc", kBirth, kKeyEnter, 0, kAge,
     KeyOutcome::Deliver},
    {"Left in the date box always moves on", "", "", kBirth, kKeyLeft, 0, kAge,
     KeyOutcome::Deliver},
    {"Shift+Left in the date box moves on", "", "", kBirth, kKeyLeft, kModShift, kAge,
     KeyOutcome::Deliver},
    {"Enter in the age box stays", "张三", "1990-05-03", kAge, kKeyEnter, 0, kAge,
     KeyOutcome::Deliver},
    {"Left in the age box stays", "张三", "1990-05-03", kAge, kKeyLeft, 0, kAge,
     KeyOutcome::Deliver},
    {"Tab walks forward", "", "", kName, kKeyTab, 0, kBirth, KeyOutcome::Consumed},
    {"Tab wraps from the last", "", "", kAge, kKeyTab, 0, kName, KeyOutcome::Consumed},
    {"Shift+Tab walks back", "", "", kBirth, kKeyTab, kModShift, kName, KeyOutcome::Consumed},
    {"Shift+Tab wraps from the first", "", "", kName, kKeyTab, kModShift, kAge,
     KeyOutcome::Consumed},
    {"Tab from an output box goes to the name", "", "", Control::总退休时间编辑框, kKeyTab, 0,
     kName, KeyOutcome::Consumed},
    {"Shift+Tab from an output box goes to the age", "", "", Control::今天时间编辑框, kKeyTab,
     kModShift, kAge, KeyOutcome::Consumed},
    {"Ctrl+Tab is no window key", "", "", kName, kKeyTab, kModCtrl, kName, KeyOutcome::Deliver},
    {"Alt+Tab is no window key", "", "", kName, kKeyTab, kModAlt, kName, KeyOutcome::Deliver},
    {"Esc closes from the name box", "", "", kName, kKeyEsc, 0, kName, KeyOutcome::Close},
    {"Esc closes from an output box", "", "", Control::名称编辑框, kKeyEsc, 0, Control::名称编辑框,
     KeyOutcome::Close},
    {"Shift+Esc does not close", "", "", kAge, kKeyEsc, kModShift, kAge, KeyOutcome::Deliver},
    {"Ctrl+Esc does not close", "", "", kAge, kKeyEsc, kModCtrl, kAge, KeyOutcome::Deliver},
};

TEST(KeyDownTest, WindowKeysThenTheFocusedBoxsHandler) {
  for (const KeyCase& c : kKeyCases) {
    SCOPED_TRACE(c.description);
    ModelWindow window;
    window.box(kName).text = c.name;
    window.box(kBirth).text = c.birth;
    window.FocusBox(c.focused);
    EXPECT_EQ(window.Press(c.key, c.modifiers), c.outcome);
    if (c.outcome == KeyOutcome::Close) {
      EXPECT_TRUE(window.closed());
    } else {
      EXPECT_EQ(window.focus(), c.focus_after);
    }
  }
}

// Moving on from the date box takes the focus away from it, so it is rewritten then; its
// text was tested as typed.
TEST(KeyDownTest, EnterInTheDateBoxRewritesItOnTheWayOut) {
  struct Case {
    const char* typed;
    const char* left_behind;
  };
  const Case kCases[] = {{"1990-05-03", "1990年5月3日"}, {"abc", ""}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.typed);
    ModelWindow window;
    window.box(kName).text = "张三";
    window.FocusBox(kBirth);
    window.Type(c.typed);
    window.Press(kKeyEnter);
    EXPECT_EQ(window.focus(), kAge);
    EXPECT_EQ(window.text(kBirth), c.left_behind);
  }
}

TEST(KeyDownTest, TheKeyReachesTheBoxItWasSentToEvenAfterTheFocusMoved) {
  ModelWindow window;
  window.FocusBox(kName);
  window.Type("张三丰");
  window.Press(kKeyLeft);
  EXPECT_EQ(window.focus(), kBirth);
  EXPECT_EQ(window.box(kName).caret, 2) << "the Left Arrow moved the name box's caret";

  // A typed character reaches its box whatever the handler did.
  window.Press('A', kModShift, 'A');
  EXPECT_EQ(window.text(kBirth), "A");
  // Tab moves the focus without typing anything.
  window.Press(kKeyTab);
  EXPECT_EQ(window.focus(), kAge);
  EXPECT_EQ(window.text(kBirth), "") << "leaving the date box emptied the unreadable text";
  EXPECT_EQ(window.text(kAge), "");
}

TEST(KeyDownTest, HeldLeftArrowMovesTwiceThenMovesTheCaret) {
  ModelWindow window;
  window.FocusBox(kName);
  window.Type("张三");
  window.FocusBox(kAge);
  window.Type("60");
  window.FocusBox(kName);

  window.Press(kKeyLeft);  // the press
  EXPECT_EQ(window.focus(), kBirth);
  window.Press(kKeyLeft);  // first repeat
  EXPECT_EQ(window.focus(), kAge);
  EXPECT_EQ(window.box(kAge).caret, 2) << "the age box has not seen a key yet";
  window.Press(kKeyLeft);  // further repeats
  EXPECT_EQ(window.box(kAge).caret, 1);
  window.Press(kKeyLeft);
  window.Press(kKeyLeft);
  EXPECT_EQ(window.focus(), kAge);
  EXPECT_EQ(window.box(kAge).caret, 0);
  EXPECT_EQ(window.box(kName).caret, 1);
  EXPECT_EQ(window.text(kBirth), "") << "the empty date box stays empty";
  EXPECT_EQ(window.box(kBirth).text_changes, 0);
}

TEST(KeyDownTest, LeavingTheDateBoxKeepsTheCaretWhereTheSelectionBegan) {
  ModelWindow window;
  window.FocusBox(kBirth);
  window.Type("1990-05-03");
  window.Select(7, 2);  // selected from right to left: the selection begins at 2
  window.Press(kKeyTab);
  EXPECT_EQ(window.text(kBirth), "1990年5月3日");
  EXPECT_EQ(window.box(kBirth).caret, 2);
  EXPECT_EQ(window.box(kBirth).anchor, 2) << "the selection is emptied";

  // Already in its written form: no write at all.
  const int32_t changes = window.box(kBirth).text_changes;
  window.Press(kKeyTab, kModShift);
  EXPECT_EQ(window.focus(), kBirth);
  window.Press(kKeyTab);
  EXPECT_EQ(window.box(kBirth).text_changes, changes);
}

TEST(FocusMemoryTest, ReactivationReturnsToTheRememberedBoxOnce) {
  FocusMemory memory;
  EXPECT_EQ(memory.Reactivated(), kName) << "nothing remembered at start";
  memory.Deactivated(kAge);
  EXPECT_EQ(memory.Reactivated(), kAge);
  EXPECT_EQ(memory.Reactivated(), kName) << "the record is cleared once used";
  memory.Deactivated(std::nullopt);
  EXPECT_EQ(memory.Reactivated(), kName);
}

TEST(FocusMemoryTest, SwitchingAwayFromTheDateBoxRewritesItAndComesBack) {
  ModelWindow window;
  window.FocusBox(kBirth);
  window.Type("1990-05-03");
  window.Deactivate();
  EXPECT_EQ(window.focus(), std::nullopt);
  EXPECT_EQ(window.text(kBirth), "1990年5月3日");
  window.Activate();
  EXPECT_EQ(window.focus(), kBirth);
}

TEST(OnWindowCreatedTest, FocusesTheNameBoxAndWritesTheCaption) {
  ModelWindow window;
  test_support::ScriptedClock clock(BuildDateTime(2024, 5, 1, 10, 30, 0));
  OnWindowCreated(window, clock);
  EXPECT_EQ(window.focus(), kName);
  EXPECT_EQ(window.caption(), "Voralind 2024年5月1日10时30分");
  EXPECT_EQ(window.text(Control::名称编辑框), "") << "empty inputs leave the outputs alone";
  EXPECT_EQ(clock.reads(), 1u);
}

}  // namespace
}  // namespace voralind
