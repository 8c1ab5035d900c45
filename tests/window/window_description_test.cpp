#include "window/window_description.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace voralind {
namespace {

struct Rect {
  int32_t left, top, right, bottom;  // right and bottom exclusive
};

Rect RectOf(Control control) {
  const ControlRecord& r = RecordOf(control);
  return {r.left, r.top, r.left + r.width, r.top + r.height};
}

bool Overlap(const Rect& a, const Rect& b, Rect& common) {
  common = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
  return common.left < common.right && common.top < common.bottom;
}

TEST(WindowDescriptionTest, RecordsAreInDescriptionOrderWithUniqueNames) {
  const auto& controls = WindowDescription().controls;
  std::set<std::string> names;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(controls[i].id, kDescriptionOrder[i]) << "record " << i;
    EXPECT_EQ(&RecordOf(controls[i].id), &controls[i]);
    ASSERT_NE(controls[i].name, nullptr);
    EXPECT_TRUE(names.insert(controls[i].name).second) << "duplicate name at " << i;
  }
  EXPECT_STREQ(RecordOf(Control::出生日期编辑框).name, "出生日期编辑框");
  EXPECT_STREQ(RecordOf(Control::时钟1).name, "时钟1");
}

// The overlaps the layout has, and which control the description order puts on top. Any
// change to a coordinate that matters shows up here as a different shared region.
TEST(WindowDescriptionTest, OverlapsAreExactlyTheOnesTheLayoutSettles) {
  struct Case {
    Control upper, lower;
    Rect shared;
  };
  const Case kCases[] = {
      {Control::标签2, Control::姓名编辑框, {223, 0, 224, 60}},
      {Control::出生日期编辑框, Control::标签2, {402, 0, 408, 60}},
      {Control::总退休时间编辑框, Control::名称编辑框, {0, 136, 752, 140}},
      {Control::今天时间编辑框, Control::总退休时间编辑框, {656, 232, 752, 440}},
  };
  std::size_t found = 0;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    for (std::size_t j = i + 1; j < kControlCount; ++j) {
      const Control upper = kDescriptionOrder[i];
      const Control lower = kDescriptionOrder[j];
      if (!RecordOf(upper).visible || !RecordOf(lower).visible) continue;
      Rect shared{};
      if (!Overlap(RectOf(upper), RectOf(lower), shared)) continue;
      SCOPED_TRACE(std::string(RecordOf(upper).name) + " over " + RecordOf(lower).name);
      bool expected = false;
      for (const Case& c : kCases) {
        if (c.upper != upper || c.lower != lower) continue;
        expected = true;
        EXPECT_EQ(shared.left, c.shared.left);
        EXPECT_EQ(shared.top, c.shared.top);
        EXPECT_EQ(shared.right, c.shared.right);
        EXPECT_EQ(shared.bottom, c.shared.bottom);
      }
      EXPECT_TRUE(expected) << "an overlap the layout does not have";
      found += expected ? 1 : 0;
    }
  }
  EXPECT_EQ(found, std::size(kCases));
}

TEST(WindowDescriptionTest, AttributesFollowEachControlsRole) {
  for (const ControlRecord& r : WindowDescription().controls) {
    SCOPED_TRACE(r.name);
    EXPECT_TRUE(r.enabled);
    EXPECT_EQ(r.tab_order_key, 0);
    if (r.kind == ControlKind::Timer) {
      EXPECT_FALSE(r.visible);
      EXPECT_EQ(r.interval_ms, 1000);
      continue;
    }
    EXPECT_TRUE(r.visible);
    EXPECT_STREQ(r.font.face, "楷体");
    EXPECT_EQ(r.font.weight, 700);
    EXPECT_FALSE(r.font.italic || r.font.underline || r.font.strike_out);
    EXPECT_EQ(r.text_colour, (Rgb{0, 0, 0}));
    const bool output = r.input_mode == InputMode::ReadOnly;
    EXPECT_EQ(r.font.pixel_height, output ? 48 : 32);
    if (r.kind == ControlKind::Label) {
      EXPECT_FALSE(r.tab_stop);
      EXPECT_TRUE(r.background.face_colour);
      EXPECT_EQ(r.border, Border::None);
      EXPECT_EQ(r.alignment, Alignment::Left);
      EXPECT_FALSE(r.multi_line);
      // Label texts end with the full-width colon.
      const std::size_t length = std::strlen(r.text);
      ASSERT_GE(length, 2u);
      EXPECT_STREQ(r.text + length - 2, "：");
    } else if (output) {
      EXPECT_FALSE(r.tab_stop);
      EXPECT_TRUE(r.multi_line);
      EXPECT_FALSE(r.auto_scroll);
      EXPECT_EQ(r.alignment, Alignment::Centre);
      EXPECT_EQ(r.border, Border::None);
      EXPECT_TRUE(r.background.face_colour);
      EXPECT_TRUE(r.hide_selection);
    } else {
      EXPECT_TRUE(r.tab_stop);
      EXPECT_FALSE(r.multi_line);
      EXPECT_TRUE(r.auto_scroll);
      EXPECT_EQ(r.alignment, Alignment::Left);
      EXPECT_EQ(r.border, Border::Sunken);
      EXPECT_FALSE(r.background.face_colour);
      EXPECT_EQ(r.background.colour, (Rgb{255, 255, 255}));
      EXPECT_TRUE(r.hide_selection);
      EXPECT_STREQ(r.text, "");
    }
  }
  EXPECT_EQ(RecordOf(Control::出生日期编辑框).input_mode, InputMode::Date);
  EXPECT_EQ(RecordOf(Control::姓名编辑框).input_mode, InputMode::Normal);
  EXPECT_EQ(RecordOf(Control::退休年龄编辑框).input_mode, InputMode::Normal);
}

TEST(WindowDescriptionTest, WindowIsAFixedTopMostToolWindowWithoutMaximise) {
  const WindowRecord& w = WindowDescription().window;
  EXPECT_STREQ(w.caption, "");
  EXPECT_EQ(w.outer_width, 1056);
  EXPECT_EQ(w.outer_height, 466);
  EXPECT_TRUE(w.fixed_frame && w.tool_window && w.top_most && w.esc_closes);
  EXPECT_TRUE(w.minimise_box);
  EXPECT_FALSE(w.maximise_box);
  EXPECT_TRUE(w.background.face_colour);
}

TEST(CentredOriginTest, CentresOnTheScreenCuttingTowardZero) {
  struct Case {
    const char* description;
    int32_t width, height;
    Point expected;
  };
  const Case kCases[] = {
      {"full HD, not the stored (50, 50)", 1920, 1080, {432, 307}},
      {"odd remainders are cut", 1367, 769, {155, 151}},
      {"screen narrower than the window: negative, cut toward zero", 1024, 768, {-16, 151}},
      {"one pixel short: -1/2 is 0, not -1", 1055, 465, {0, 0}},
      {"extreme sizes do not wrap",
       INT32_MIN,
       INT32_MAX,
       {static_cast<int32_t>((int64_t{INT32_MIN} - 1056) / 2),
        static_cast<int32_t>((int64_t{INT32_MAX} - 466) / 2)}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(CentredOrigin(c.width, c.height), c.expected);
  }
}

}  // namespace
}  // namespace voralind
