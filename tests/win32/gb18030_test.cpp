// Box texts between GB18030 bytes and the wide-character API, whatever the system's code
// page: the system's converter where it has one, the program's own otherwise.
#include "window/win32/gb18030.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace voralind {
namespace {

// Bytes as iconv's GB18030 writes them; 𠮷 and 😀 lie outside GBK (four bytes).
struct KnownCase {
  const char* description;
  std::wstring wide;
  std::string bytes;
};

const KnownCase kKnownCases[] = {
    {"ASCII", L"Voralind 60", "Voralind 60"},
    {"GBK pair", L"\x5E74\x6708\x65E5", "\xC4\xEA\xD4\xC2\xC8\xD5"},  // 年月日
    {"full-width digit", L"\xFF16", "\xA3\xB6"},                      // ６
    {"euro sign, a two-byte code of its own", L"\x20AC", "\xA2\xE3"},
    {"ideographic description character", L"\x2FF0", "\xA9\x8A"},
    {"CJK outside the BMP", L"\xD842\xDFB7", "\x95\x34\xB2\x35"},  // 𠮷
    {"emoji", L"\xD83D\xDE00", "\x94\x39\xFC\x36"},                // 😀
    {"first four-byte BMP code point", L"\x0080", "\x81\x30\x81\x30"},
    {"yen sign, four bytes", L"\x00A5", "\x81\x30\x84\x36"},
    {"Thai letter, four bytes", L"\x0E01", "\x81\x32\xCE\x39"},
    {"last BMP code point", L"\xFFFF", "\x84\x31\xA4\x39"},
    {"mixed",
     L"a\xD842\xDFB7\x5E74"
     L"1",
     "a\x95\x34\xB2\x35\xC4\xEA"
     "1"},
};

TEST(Gb18030Test, KnownTextsConvertBothWays) {
  for (const KnownCase& c : kKnownCases) {
    SCOPED_TRACE(c.description);
    Text bytes = Gb18030FromWide(c.wide);
    EXPECT_EQ(std::string(bytes.c_str()), c.bytes);
    EXPECT_EQ(WideFromGb18030(c.bytes.c_str()), c.wide);
    // The program's own converter gives the same, so Wine and Windows agree.
    EXPECT_EQ(detail::Gb18030FromWideFallback(c.wide), c.bytes);
    EXPECT_EQ(detail::WideFromGb18030Fallback(c.bytes), c.wide);
  }
}

TEST(Gb18030Test, EmptyAndAbsentTexts) {
  EXPECT_TRUE(Gb18030FromWide(L"").absent());
  EXPECT_EQ(WideFromGb18030(nullptr), L"");
  EXPECT_EQ(WideFromGb18030(""), L"");
}

// Every code point survives wide -> GB18030 -> wide, so nothing the user types is lost.
TEST(Gb18030Test, EveryCodePointRoundTrips) {
  std::wstring all;
  for (uint32_t code_point = 1; code_point <= 0x10FFFF; ++code_point) {
    if (code_point >= 0xD800 && code_point <= 0xDFFF) continue;
    if (code_point >= 0x10000) {
      all.push_back(static_cast<wchar_t>(0xD800 + ((code_point - 0x10000) >> 10)));
      all.push_back(static_cast<wchar_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF)));
    } else {
      all.push_back(static_cast<wchar_t>(code_point));
    }
  }
  EXPECT_TRUE(detail::WideFromGb18030Fallback(detail::Gb18030FromWideFallback(all)) == all);
  Text bytes = Gb18030FromWide(all);
  EXPECT_TRUE(WideFromGb18030(bytes) == all);
}

TEST(Gb18030Test, MalformedBytesBecomeReplacementsWithoutReadingPastTheEnd) {
  struct Case {
    const char* description;
    std::string bytes;
    std::wstring wide;
  };
  const Case cases[] = {
      {"lone lead byte at the end", "a\xC4", L"a\xFFFD"},
      {"lead byte then ASCII",
       "\xC4"
       "1",
       L"\xFFFD"
       L"1"},
      {"cut four-byte sequence", "\x95\x34\xB2",
       L"\xFFFD"
       L"4\xFFFD"},
      {"0x80 and 0xFF are no lead bytes", "\x80\xFF", L"\xFFFD\xFFFD"},
      {"four bytes beyond U+10FFFF", "\xFE\x39\xFE\x39", L"\xFFFD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    // The bytes sit at the very end of their buffer; anything read beyond would be caught
    // by the string's own bounds in the converter.
    EXPECT_EQ(detail::WideFromGb18030Fallback(c.bytes), c.wide);
  }
}

TEST(Gb18030Test, LoneSurrogatesBecomeQuestionMarks) {
  EXPECT_EQ(detail::Gb18030FromWideFallback(std::wstring(L"a\xD842"
                                                         L"b")),
            "a?b");
  EXPECT_EQ(detail::Gb18030FromWideFallback(std::wstring(L"\xDFB7")), "?");
}

TEST(Gb18030Test, CaretPositionsCountCodePoints) {
  const std::wstring text =
      L"a\xD842\xDFB7"
      L"b";  // a𠮷b: three code points, four units
  EXPECT_EQ(CodePointsBefore(text, 0), 0);
  EXPECT_EQ(CodePointsBefore(text, 1), 1);
  EXPECT_EQ(CodePointsBefore(text, 3), 2);
  EXPECT_EQ(CodePointsBefore(text, 4), 3);
  EXPECT_EQ(CodePointsBefore(text, 99), 3);
  EXPECT_EQ(UnitsBeforeCodePoint(text, -1), 0u);
  EXPECT_EQ(UnitsBeforeCodePoint(text, 1), 1u);
  EXPECT_EQ(UnitsBeforeCodePoint(text, 2), 3u);
  EXPECT_EQ(UnitsBeforeCodePoint(text, 3), 4u);
  EXPECT_EQ(UnitsBeforeCodePoint(text, 99), 4u);
}

// Where the system has code page 54936 (Windows), its converter and the program's own
// agree on every code point.
TEST(Gb18030Test, OwnConverterMatchesTheSystemWhereItHasOne) {
  if (IsValidCodePage(54936) == 0) GTEST_SKIP() << "no code page 54936 on this system";
  for (uint32_t unit = 0x80; unit <= 0xFFFF; ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;
    const std::wstring wide(1, static_cast<wchar_t>(unit));
    char system[8] = {};
    const int length = WideCharToMultiByte(54936, 0, wide.data(), 1, system, 8, nullptr, nullptr);
    ASSERT_EQ(detail::Gb18030FromWideFallback(wide),
              std::string(system, static_cast<std::size_t>(length)))
        << "U+" << std::hex << unit;
  }
}

}  // namespace
}  // namespace voralind
