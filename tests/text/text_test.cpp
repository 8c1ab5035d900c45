#include "text/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text/text_memory.h"

namespace voralind {
namespace {

TEST(TextTest, AbsentEmptyConstantAndOwnedAreDistinct) {
  Text absent;
  EXPECT_TRUE(absent.absent());
  EXPECT_STREQ(absent.c_str(), "");
  EXPECT_EQ(absent.data(), nullptr);

  static constexpr char kLiteral[] = "年\r\n";
  Text constant = kLiteral;
  EXPECT_FALSE(constant.absent());
  EXPECT_FALSE(constant.owned());
  EXPECT_EQ(constant.data(), kLiteral) << "a literal is referenced, never copied";

  Text owned = ConcatText("", nullptr);
  EXPECT_FALSE(owned.absent()) << "joining gives a text even when every piece is empty";
  EXPECT_TRUE(owned.owned());
  EXPECT_STREQ(owned.c_str(), "");
}

TEST(TextTest, ReleaseFreesOwnedStorageAtOnceAndIgnoresOthers) {
  const std::size_t before = LiveTextBuffers();
  Text owned = ConcatText("ab", "c");
  EXPECT_EQ(LiveTextBuffers(), before + 1);
  ReleaseText(owned);
  EXPECT_EQ(LiveTextBuffers(), before) << "released means gone now, not later";
  EXPECT_TRUE(owned.absent());
  ReleaseText(owned);  // a second release of the now-absent text does nothing

  Text constant = "x";
  ReleaseText(constant);
  Text absent;
  ReleaseText(absent);
  EXPECT_EQ(LiveTextBuffers(), before);
}

TEST(TextTest, MoveTransfersOwnershipWithoutCopying) {
  const std::size_t before = LiveTextBuffers();
  Text a = ConcatText("hello");
  const char* bytes = a.data();
  Text b = std::move(a);
  EXPECT_EQ(b.data(), bytes);
  EXPECT_TRUE(a.absent());  // NOLINT(bugprone-use-after-move): the moved-from state is defined
  Text c = ConcatText("other");
  c = std::move(b);  // the old value of c is released by the assignment
  EXPECT_EQ(c.data(), bytes);
  EXPECT_EQ(LiveTextBuffers(), before + 1);
}

TEST(TextTest, ConcatJoinsPiecesAndLeavesThemAlone) {
  static constexpr char kGreeting[] = "您好！";
  Text x = ConcatText("ab");
  struct Case {
    const char* description;
    Text result;
    const char* expected;
  };
  Case cases[] = {
      {"empty and absent", ConcatText("", nullptr), ""},
      {"literal and absent", ConcatText(kGreeting, nullptr), "您好！"},
      {"one text twice", ConcatText(x, x), "abab"},
      {"six pieces with a repeated literal", ConcatText("2030", "/", "5", "/", "17", "/0/0/0"),
       "2030/5/17/0/0/0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_STREQ(c.result.c_str(), c.expected);
    EXPECT_TRUE(c.result.owned());
  }
  EXPECT_STREQ(kGreeting, "您好！");
  EXPECT_STREQ(x.c_str(), "ab");
}

TEST(TextTest, ConcatAllocatesExactlyLengthPlusOneInOneRequest) {
  static std::size_t requests;
  static std::size_t last_request;
  requests = 0;
  auto counting = [](std::size_t bytes) -> void* {
    ++requests;
    last_request = bytes;
    return std::malloc(bytes);
  };
  TextAllocator previous = SetTextAllocator(counting);
  {
    Text joined = ConcatText("abc", nullptr, "", "de", "f");
    EXPECT_STREQ(joined.c_str(), "abcdef");
  }
  SetTextAllocator(previous);
  EXPECT_EQ(requests, 1u);
  EXPECT_EQ(last_request, 7u);
}

TEST(TextTest, CompareTextOnUnsignedBytes) {
  struct Case {
    const char* a;
    const char* b;
    int32_t expected;
  };
  const Case cases[] = {
      {nullptr, "", 0},  {"", nullptr, 0},  {nullptr, nullptr, 0}, {"a", nullptr, 1},
      {nullptr, "a", -1}, {"ab", "abc", -1}, {"b", "abc", 1},       {"abc", "abc", 0},
      {"啊", "a", 1},     {"a", "啊", -1},   {" ", "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a ? c.a : "(absent)") + " vs " + (c.b ? c.b : "(absent)"));
    EXPECT_EQ(CompareText(c.a, c.b), c.expected);
  }
}

TEST(TextTest, FoldFullWidthReplacesTheTableAndCopiesTheRest) {
  struct Case {
    const char* description;
    const char* input;
    const char* expected;
  };
  const Case cases[] = {
      {"digits", "６０", "60"},
      {"full-width blank, digits, other characters", "\xA1\xA1６０岁", " 60岁"},
      {"digits before a mark", "１９８０年", "1980年"},
      {"minus and plus", "－５＋", "-5+"},
      {"tilde and both stars", "\xA1\xAB\xA1\xEE\xA1\xEF", "~**"},
      {"last of the A3 row", "\xA3\xFE", "~"},
      {"A3 trail below the row is copied", "\xA3\xA0", "\xA3\xA0"},
      {"lone lead byte at the end is dropped", "12\xA3", "12"},
      {"lead byte with an ASCII trail is a pair", "\x81" "a1", "\x81" "a1"},
      {"absent", nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    Text folded = FoldFullWidth(c.input);
    EXPECT_FALSE(folded.absent());
    EXPECT_STREQ(folded.c_str(), c.expected);
  }
}

TEST(TextTest, FoldFullWidthStopsAtTheNulOfAnExactlySizedBuffer) {
  // The input lives in a buffer that ends right after its NUL: any read past it is a fault
  // that the sanitizer build reports.
  for (const char* input : {"\xA3", "\xA3\xB1\xA3", "a\xFF"}) {
    const std::size_t size = std::strlen(input) + 1;
    char* exact = new char[size];
    std::memcpy(exact, input, size);
    Text folded = FoldFullWidth(exact);
    EXPECT_LT(folded.size(), size);
    delete[] exact;
  }
}

}  // namespace
}  // namespace voralind
