#include "datetime/date_parse.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "datetime/date_time.h"
#include "text/text_memory.h"

namespace voralind {
namespace {

// A copy of `bytes` in a heap block of exactly its length + 1, so that AddressSanitizer
// reports any read past the closing NUL.
std::unique_ptr<char[]> ExactCopy(const std::string& bytes) {
  auto copy = std::make_unique<char[]>(bytes.size() + 1);
  std::memcpy(copy.get(), bytes.c_str(), bytes.size() + 1);
  return copy;
}

struct AcceptedCase {
  const char* description;
  const char* text;
  int32_t year, month, day, hour, minute, second;
};

const AcceptedCase kAccepted[] = {
    {"hyphens", "1990-05-03", 1990, 5, 3, 0, 0, 0},
    {"the countdown's own form", "1990/5/3/0/0/0", 1990, 5, 3, 0, 0, 0},
    {"dots", "1990.5.3", 1990, 5, 3, 0, 0, 0},
    {"colons", "1990:5:3", 1990, 5, 3, 0, 0, 0},
    {"no separators", "19900503", 1990, 5, 3, 0, 0, 0},
    {"no separators, with the time", "19900503123045", 1990, 5, 3, 12, 30, 45},
    {"the marks", "1990年5月3日", 1990, 5, 3, 0, 0, 0},
    {"the marks with the time", "1990年5月3日8时30分15秒", 1990, 5, 3, 8, 30, 15},
    {"text after the second's mark is ignored", "1990年5月3日8时30分15秒xyz", 1990, 5, 3, 8, 30,
     15},
    {"a blank after the day", "1990-05-03 08:30:15", 1990, 5, 3, 8, 30, 15},
    {"a blank after the day, then marks", "1990-05-03 8时30分", 1990, 5, 3, 8, 30, 0},
    {"the hour alone", "1990-5-3 8", 1990, 5, 3, 8, 0, 0},
    {"one trailing blank fills the day's slot", "1990-05-03 ", 1990, 5, 3, 0, 0, 0},
    {"a trailing separator", "1990/5/3/", 1990, 5, 3, 0, 0, 0},
    {"full-width digits and hyphens", "１９９０－０５－０３", 1990, 5, 3, 0, 0, 0},
    {"a full-width colon", "2021-4-28 9：05", 2021, 4, 28, 9, 5, 0},
    {"29 February of a leap year", "2020/2/29", 2020, 2, 29, 0, 0, 0},
    {"a fifth year digit begins the month and the fields shift", "12345/1/1", 1234, 5, 1, 1, 0, 0},
    {"the earliest date, which equals the failure value", "0100-1-1", 100, 1, 1, 0, 0, 0},
    {"a date the text form writes", "2021年4月28日9时5分3秒", 2021, 4, 28, 9, 5, 3},
    {"the latest moment the text form writes", "9999年12月31日23时59分59秒", 9999, 12, 31, 23, 59,
     59},
    {"every separator kind in one text", "2021.4/28 9-5:3", 2021, 4, 28, 9, 5, 3},
    {"the latest time of day", "2021/1/1 23:59:59", 2021, 1, 1, 23, 59, 59},
    {"a separator after the minute, then the end", "2021/1/1 9:5:", 2021, 1, 1, 9, 5, 0},
    {"a lone lead byte at the end is dropped by folding", "1990-5-3\xC4", 1990, 5, 3, 0, 0, 0},
    {"the second's mark cut to its lead byte is dropped too", "1990年5月3日8时30分15\xC3", 1990, 5,
     3, 8, 30, 15},
};

struct RejectedCase {
  const char* description;
  const char* text;
};

const RejectedCase kRejected[] = {
    {"empty", ""},
    {"no month", "1990"},
    {"no day", "1990-5"},
    {"a two-digit year", "99-5-3"},
    {"year 99 written with four digits", "0099-5-3"},
    {"29 February of a common year", "2021/2/29"},
    {"31 April", "2021/4/31"},
    {"month 13", "2021/13/1"},
    {"month 0", "2021/0/1"},
    {"day 0", "2021/1/0"},
    {"hour 24", "2021/1/1 24:00:00"},
    {"minute 60", "2021/1/1 23:60"},
    {"second 60", "2021/1/1 23:59:60"},
    {"a leading blank leaves the year empty", " 1990-5-3"},
    {"a blank is no separator after the year", "1990 5 3"},
    {"two separators in a row leave the month empty", "1990//5/3"},
    {"only one blank is taken after the day", "1990-05-03  "},
    {"nothing but the second's mark may follow the second", "1990-05-03 08:30:15 "},
    {"after the day's mark the blank is not taken", "1990年5月3日 8时"},
    {"the letter T is accepted nowhere", "1990-5-3T10:00"},
    {"a mark in the wrong slot", "1990月5年3日"},
    {"a full-width blank folds to a blank that the year's slot refuses", "1990　5-3"},
    {"only the second's first byte", "1990-5-3 8:30:15\xC3x"},
    {"a lone lead byte only", "\xC4"},
    {"a two-byte character that is no mark", "1990啊5-3"},
};

TEST(ParseDateTimeTest, ReadsEveryAcceptedForm) {
  for (const AcceptedCase& c : kAccepted) {
    SCOPED_TRACE(c.description);
    const double expected = BuildDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second);
    EXPECT_EQ(ParseDateTime(c.text), expected) << c.text;
  }
  EXPECT_EQ(ParseDateTime("1990-05-03"), 32996.0);
  EXPECT_EQ(ParseDateTime("0100-1-1"), MinDateTime);
}

TEST(ParseDateTimeTest, GivesTheEarliestMomentForEveryFailure) {
  for (const RejectedCase& c : kRejected) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(ParseDateTime(c.text), MinDateTime) << c.text;
  }
  EXPECT_EQ(ParseDateTime(nullptr), MinDateTime) << "the absent text reads as empty";
  Text absent;
  EXPECT_EQ(ParseDateTime(absent), MinDateTime);
}

TEST(ParseDateTimeTest, TryParseTellsAFailureFromTheEarliestMoment) {
  for (const RejectedCase& c : kRejected) {
    SCOPED_TRACE(c.description);
    EXPECT_FALSE(TryParseDateTime(c.text).has_value()) << c.text;
  }
  for (const AcceptedCase& c : kAccepted) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(TryParseDateTime(c.text), std::optional<double>(ParseDateTime(c.text)));
  }
  EXPECT_EQ(TryParseDateTime("100年1月1日"), std::optional<double>(MinDateTime));
}

TEST(ParseDateTimeTest, LeavesItsArgumentAndNoStorageBehind) {
  const std::size_t before = LiveTextBuffers();
  Text owned = ConcatText("1990年", "5月3日");
  const std::string original = owned.c_str();
  EXPECT_EQ(ParseDateTime(owned), 32996.0);
  EXPECT_EQ(owned.c_str(), original);
  ReleaseText(owned);
  EXPECT_EQ(LiveTextBuffers(), before) << "the folded working copy is released";
}

// Each table text and every prefix of it, in an exactly sized block: a prefix ends in the
// middle of a mark, a field or a separator, which is where a reader would look one byte
// too far.
TEST(ParseDateTimeTest, NeverReadsPastTheEndOfAnyPrefix) {
  std::vector<std::string> texts;
  for (const AcceptedCase& c : kAccepted) texts.emplace_back(c.text);
  for (const RejectedCase& c : kRejected) texts.emplace_back(c.text);
  for (const std::string& text : texts) {
    for (std::size_t length = 0; length <= text.size(); ++length) {
      const auto copy = ExactCopy(text.substr(0, length));
      const double v = ParseDateTime(copy.get());
      EXPECT_TRUE(v >= MinDateTime - 1 && v < MaxDateTime + 1) << text.substr(0, length);
    }
  }
}

// Every byte pair after a few beginnings, each in an exactly sized block: lead bytes, marks,
// full-width forms and separators all meet the end of the text.
TEST(ParseDateTimeTest, NeverReadsPastTheEndWhateverTheLastTwoBytes) {
  const char* const beginnings[] = {"", "1990", "1990-5-3", "1990-5-3 8:30:15"};
  for (const char* beginning : beginnings) {
    SCOPED_TRACE(beginning);
    for (int first = 1; first < 256; ++first) {
      for (int second = 0; second < 256; ++second) {
        std::string text = beginning;
        text += static_cast<char>(first);
        if (second != 0) text += static_cast<char>(second);
        const auto copy = ExactCopy(text);
        const double v = ParseDateTime(copy.get());
        if (!(v >= MinDateTime - 1 && v < MaxDateTime + 1)) {
          FAIL() << "bytes " << first << ' ' << second << " gave " << v;
        }
      }
    }
  }
}

}  // namespace
}  // namespace voralind
