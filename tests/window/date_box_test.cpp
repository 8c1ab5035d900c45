#include "window/date_box.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "text/text_memory.h"

namespace voralind {
namespace {

struct NormaliseCase {
  const char* description;
  const char* typed;
  const char* expected;  // nullptr: the box is left alone
};

// Each text is what the user left in the date box when it lost the focus.
const NormaliseCase kNormaliseCases[] = {
    {"dashes", "1990-05-03", "1990年5月3日"},
    {"digits only, with a time", "19900503123045", "1990年5月3日12时30分45秒"},
    {"blank after the day, hour only", "1990-5-3 8", "1990年5月3日8时"},
    {"full-width digits and dash", "１９９０－０５－０３", "1990年5月3日"},
    {"the written form is kept as it is", "1990年5月3日", nullptr},
    {"a written time is kept as it is", "1990年5月3日12时30分45秒", nullptr},
    {"an empty box stays empty", "", nullptr},
    {"not a date", "abc", ""},
    {"29 February in a common year", "2021/2/29", ""},
    {"a year alone", "1990", ""},
    {"one blank", " ", ""},
    {"the zero moment is emptied", "1899-12-30", ""},
    {"the zero moment with a written time of 0", "1899/12/30/0/0/0", ""},
    {"one second after the zero moment is kept", "1899-12-30 0:0:1", "1899年12月30日0时0分1秒"},
    {"the earliest moment is a real date", "0100-1-1", "100年1月1日"},
    {"the earliest moment, three-digit year", "100/1/1", "100年1月1日"},
    {"the earliest moment, full-width", "０１００年１月１日", "100年1月1日"},
    {"the earliest moment written out is kept", "100年1月1日", nullptr},
    {"year 100 with an impossible day", "0100-1-32", ""},
    {"year 100 is a common year", "0100-2-29", ""},
    {"year 100 with an hour out of range", "100-1-1 24", ""},
    {"year 100 with trailing rubbish", "0100-1-1x", ""},
    {"year 1001 is not year 100", "1001-1-1", "1001年1月1日"},
    // A time on the earliest day lies below MinDateTime as a plain number, and writing a
    // moment clamps it first: the time is dropped.
    {"a time on the earliest day", "100-1-1 0:0:1", "100年1月1日"},
    {"a lone lead byte", "\xB0", ""},
};

TEST(NormaliseDateBoxTest, RewritesTheBoxByWhatItReads) {
  for (const NormaliseCase& c : kNormaliseCases) {
    SCOPED_TRACE(c.description);
    const std::optional<DateBoxRewrite> rewrite = NormaliseDateBox(c.typed, 0);
    if (c.expected == nullptr) {
      EXPECT_FALSE(rewrite.has_value()) << "rewrote to " << rewrite->text.c_str();
      continue;
    }
    ASSERT_TRUE(rewrite.has_value());
    EXPECT_STREQ(rewrite->text.c_str(), c.expected);
    EXPECT_EQ(rewrite->text.absent(), *c.expected == '\0') << "an emptied box reads absent";
  }
  EXPECT_FALSE(NormaliseDateBox(nullptr, 0).has_value()) << "the absent text is the empty one";
}

TEST(NormaliseDateBoxTest, CaretGoesWhereTheSelectionBeganOrToTheEnd) {
  struct Case {
    const char* description;
    const char* typed;
    int32_t selection_start;
    int32_t caret;
  };
  // "1990年5月3日" is 9 characters (12 bytes): positions count characters.
  const Case kCases[] = {
      {"at the start", "1990-05-03", 0, 0},
      {"inside, kept", "1990-05-03", 6, 6},
      {"at the end of the old text, beyond the new one", "1990-05-03", 10, 9},
      {"exactly at the new end", "1990-05-03", 9, 9},
      {"emptied box: to 0", "abc", 2, 0},
      {"a longer new text keeps the place", "19900503123045", 14, 14},
      {"a negative place goes to the start", "1990-05-03", -3, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.description);
    const std::optional<DateBoxRewrite> rewrite = NormaliseDateBox(c.typed, c.selection_start);
    ASSERT_TRUE(rewrite.has_value());
    EXPECT_EQ(rewrite->caret, c.caret);
  }
}

TEST(NormaliseDateBoxTest, LeavesNoTextBehind) {
  const std::size_t before = LiveTextBuffers();
  for (const NormaliseCase& c : kNormaliseCases) {
    std::optional<DateBoxRewrite> rewrite = NormaliseDateBox(c.typed, 3);
  }
  EXPECT_EQ(LiveTextBuffers(), before);
}

// Each text sits at the very end of a heap block of its own size, so a read past the NUL
// is caught by the address sanitizer.
std::unique_ptr<char[]> Exact(const std::string& bytes) {
  auto block = std::make_unique<char[]>(bytes.size() + 1);
  std::memcpy(block.get(), bytes.c_str(), bytes.size() + 1);
  return block;
}

TEST(CharacterCountTest, CountsGbkAndGb18030Characters) {
  struct Case {
    const char* description;
    std::string bytes;
    int32_t count;
  };
  const Case kCases[] = {
      {"empty", "", 0},
      {"ASCII", "abc", 3},
      {"two-byte characters", "1990年5月3日", 9},
      {"four-byte sequence (U+20BB7)",
       "\x95\x34\xB2\x35"
       "a",
       2},
      {"lone lead byte before the NUL", "a\xB0", 2},
      {"lead and digit before the NUL: a pair", "\x95\x32", 1},
      {"lead, digit, lead before the NUL", "\x95\x32\x82", 2},
      {"lead, digit, lead, non-digit: two pairs", "\x95\x32\x82\x41", 2},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.description);
    const auto text = Exact(c.bytes);
    EXPECT_EQ(CharacterCount(text.get()), c.count);
    EXPECT_EQ(ByteOffsetOfCharacter(text.get(), c.count), c.bytes.size());
    EXPECT_EQ(ByteOffsetOfCharacter(text.get(), c.count + 5), c.bytes.size());
  }
  EXPECT_EQ(CharacterCount(nullptr), 0);
  EXPECT_EQ(ByteOffsetOfCharacter("1990年5", 5), 6u);
  EXPECT_EQ(ByteOffsetOfCharacter("1990年5", -1), 0u);
  EXPECT_EQ(ByteOffsetOfCharacter("\x95\x34\xB2\x35"
                                  "a",
                                  1),
            4u);
}

}  // namespace
}  // namespace voralind
