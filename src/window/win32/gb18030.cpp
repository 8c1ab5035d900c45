#include "window/win32/gb18030.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "text/text_memory.h"

namespace voralind {
namespace {

constexpr UINT kGb18030CodePage = 54936;
constexpr UINT kGbkCodePage = 936;
constexpr wchar_t kReplacement = 0xFFFD;

bool SystemHasGb18030() {
  static const bool has = IsValidCodePage(kGb18030CodePage) != 0;
  return has;
}

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Two-byte codes that GB18030 gives to real characters where code page 936 has a private-use
// code point (or nothing): the euro sign, ǹ, the ideographic description characters and the
// radicals and ideographs of row FE. The private-use code points take four bytes instead.
struct PairOverride {
  uint16_t pair;
  uint16_t unit;
};
// clang-format off
constexpr PairOverride kGb18030Pairs[] = {
    {0xA2E3, 0x20AC}, {0xA8BF, 0x01F9}, {0xA989, 0x303E}, {0xA98A, 0x2FF0}, {0xA98B, 0x2FF1},
    {0xA98C, 0x2FF2}, {0xA98D, 0x2FF3}, {0xA98E, 0x2FF4}, {0xA98F, 0x2FF5}, {0xA990, 0x2FF6},
    {0xA991, 0x2FF7}, {0xA992, 0x2FF8}, {0xA993, 0x2FF9}, {0xA994, 0x2FFA}, {0xA995, 0x2FFB},
    {0xFE50, 0x2E81}, {0xFE54, 0x2E84}, {0xFE55, 0x3473}, {0xFE56, 0x3447}, {0xFE57, 0x2E88},
    {0xFE58, 0x2E8B}, {0xFE5A, 0x359E}, {0xFE5B, 0x361A}, {0xFE5C, 0x360E}, {0xFE5D, 0x2E8C},
    {0xFE5E, 0x2E97}, {0xFE5F, 0x396E}, {0xFE60, 0x3918}, {0xFE62, 0x39CF}, {0xFE63, 0x39DF},
    {0xFE64, 0x3A73}, {0xFE65, 0x39D0}, {0xFE68, 0x3B4E}, {0xFE69, 0x3C6E}, {0xFE6A, 0x3CE0},
    {0xFE6B, 0x2EA7}, {0xFE6E, 0x2EAA}, {0xFE6F, 0x4056}, {0xFE70, 0x415F}, {0xFE71, 0x2EAE},
    {0xFE72, 0x4337}, {0xFE73, 0x2EB3}, {0xFE74, 0x2EB6}, {0xFE75, 0x2EB7}, {0xFE77, 0x43B1},
    {0xFE78, 0x43AC}, {0xFE79, 0x2EBB}, {0xFE7A, 0x43DD}, {0xFE7B, 0x44D6}, {0xFE7C, 0x4661},
    {0xFE7D, 0x464C}, {0xFE80, 0x4723}, {0xFE81, 0x4729}, {0xFE82, 0x477C}, {0xFE83, 0x478D},
    {0xFE84, 0x2ECA}, {0xFE85, 0x4947}, {0xFE86, 0x497A}, {0xFE87, 0x497D}, {0xFE88, 0x4982},
    {0xFE89, 0x4983}, {0xFE8A, 0x4985}, {0xFE8B, 0x4986}, {0xFE8C, 0x499F}, {0xFE8D, 0x499B},
    {0xFE8E, 0x49B7}, {0xFE8F, 0x49B6}, {0xFE92, 0x4CA3}, {0xFE93, 0x4C9F}, {0xFE94, 0x4CA0},
    {0xFE95, 0x4CA1}, {0xFE96, 0x4C77}, {0xFE97, 0x4CA2}, {0xFE98, 0x4D13}, {0xFE99, 0x4D14},
    {0xFE9A, 0x4D15}, {0xFE9B, 0x4D16}, {0xFE9C, 0x4D17}, {0xFE9D, 0x4D18}, {0xFE9E, 0x4D19},
    {0xFE9F, 0x4DAE},
};
// clang-format on

// GB18030 in terms of code page 936. Two-byte characters are those of 936 with the
// overrides above. Four-byte
// sequences are numbered in order, 0x81308130 being 0: the first 39420 numbers go, in
// code point order, to the BMP code points from U+0080 up that have no two-byte form
// (surrogates excluded); number 189000 (0x90308130) is U+10000 and the supplementary
// planes follow linearly. With the system's 936 table complete this is GB18030 exactly;
// in any case it is one-to-one, so box texts always survive a round trip.
class FallbackTables {
 public:
  FallbackTables() {
    CPINFOEXW info{};
    const bool have_info = GetCPInfoExW(kGbkCodePage, 0, &info) != 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
      for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        if (trail == 0x7F) continue;
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        wchar_t unit = 0;
        if (MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, pair, 2, &unit, 1) != 1) {
          continue;
        }
        // A pair the code page only maps to its default character has no character.
        if (unit < 0x80 || IsHighSurrogate(unit) || IsLowSurrogate(unit)) continue;
        if (have_info && unit == info.UnicodeDefaultChar) continue;
        pair_to_unit_[PairIndex(lead, trail)] = unit;
        // The first pair of a code point is the one it is written as.
        if (unit_to_pair_[unit] == 0)
          unit_to_pair_[unit] = static_cast<uint16_t>(lead << 8 | trail);
      }
    }
    for (const PairOverride& entry : kGb18030Pairs) {
      const unsigned lead = entry.pair >> 8;
      const unsigned trail = entry.pair & 0xFF;
      uint16_t& unit = pair_to_unit_[PairIndex(lead, trail)];
      if (unit != 0 && unit_to_pair_[unit] == entry.pair) unit_to_pair_[unit] = 0;
      unit = entry.unit;
      unit_to_pair_[entry.unit] = entry.pair;
    }
    // Count, per 64 code points, those that take a four-byte sequence.
    uint32_t before = 0;
    for (uint32_t block = 0; block < kBlocks; ++block) {
      rank_[block] = before;
      for (uint32_t bit = 0; bit < 64; ++bit) {
        if (HasFourByteForm(block * 64 + bit)) ++before;
      }
    }
    rank_[kBlocks] = before;
  }

  // The code point of a two-byte sequence, 0 when it has none.
  uint16_t Pair(unsigned lead, unsigned trail) const {
    return pair_to_unit_[PairIndex(lead, trail)];
  }
  // The two-byte sequence of a BMP code point (lead << 8 | trail), 0 when it has none.
  uint16_t PairOf(uint32_t unit) const { return unit_to_pair_[unit]; }

  bool HasFourByteForm(uint32_t unit) const {
    return unit >= 0x80 && unit <= 0xFFFF && !IsHighSurrogate(unit) && !IsLowSurrogate(unit) &&
           unit_to_pair_[unit] == 0;
  }

  // The four-byte number of a BMP code point that has a four-byte form.
  uint32_t NumberOf(uint32_t unit) const {
    uint32_t number = rank_[unit / 64];
    for (uint32_t at = unit & ~63U; at < unit; ++at) {
      if (HasFourByteForm(at)) ++number;
    }
    return number;
  }

  // The BMP code point with four-byte number `number`, 0 when there is none.
  uint32_t CodePointOf(uint32_t number) const {
    if (number >= rank_[kBlocks]) return 0;
    // The last block whose count before it is <= number holds the code point.
    const auto* block = std::upper_bound(rank_.begin(), rank_.end(), number) - 1;
    uint32_t seen = *block;
    const auto first = static_cast<uint32_t>(block - rank_.begin()) * 64;
    for (uint32_t unit = first; unit < first + 64; ++unit) {
      if (!HasFourByteForm(unit)) continue;
      if (seen == number) return unit;
      ++seen;
    }
    return 0;
  }

 private:
  static constexpr uint32_t kBlocks = 0x10000 / 64;
  static std::size_t PairIndex(unsigned lead, unsigned trail) {
    return (lead - 0x81) * 0xC0 + (trail - 0x40);
  }

  std::array<uint16_t, 0x7E * 0xC0> pair_to_unit_{};
  std::array<uint16_t, 0x10000> unit_to_pair_{};
  std::array<uint32_t, kBlocks + 1> rank_{};
};

const FallbackTables& Tables() {
  static const std::unique_ptr<const FallbackTables> tables = std::make_unique<FallbackTables>();
  return *tables;
}

constexpr uint32_t kSupplementaryBase = 189000;  // the number of 0x90308130

bool InRange(unsigned byte, unsigned low, unsigned high) { return byte >= low && byte <= high; }

void AppendCodePoint(std::wstring& out, uint32_t code_point) {
  if (code_point >= 0x10000) {
    code_point -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (code_point >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (code_point & 0x3FF)));
  } else {
    out.push_back(static_cast<wchar_t>(code_point));
  }
}

void AppendFourBytes(std::string& out, uint32_t number) {
  char bytes[4];
  bytes[3] = static_cast<char>(0x30 + number % 10);
  number /= 10;
  bytes[2] = static_cast<char>(0x81 + number % 126);
  number /= 126;
  bytes[1] = static_cast<char>(0x30 + number % 10);
  number /= 10;
  bytes[0] = static_cast<char>(0x81 + number);
  out.append(bytes, 4);
}

Text TextFromBytes(const char* bytes, std::size_t length) {
  if (length == 0) return Text();
  char* storage = AllocateTextBytes(length + 1);
  std::memcpy(storage, bytes, length);
  storage[length] = '\0';
  return Text::Adopt(storage);
}

}  // namespace

namespace detail {

std::wstring WideFromGb18030Fallback(std::string_view bytes) {
  const FallbackTables& tables = Tables();
  std::wstring out;
  out.reserve(bytes.size());
  const auto byte = [&](std::size_t at) -> unsigned {
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0U;
  };
  std::size_t at = 0;
  while (at < bytes.size()) {
    const unsigned first = byte(at);
    if (first < 0x80) {
      out.push_back(static_cast<wchar_t>(first));
      at += 1;
      continue;
    }
    const unsigned second = byte(at + 1);
    if (InRange(first, 0x81, 0xFE) && InRange(second, 0x40, 0xFE) && second != 0x7F) {
      const uint16_t unit = tables.Pair(first, second);
      out.push_back(unit != 0 ? static_cast<wchar_t>(unit) : kReplacement);
      at += 2;
      continue;
    }
    const unsigned third = byte(at + 2);
    const unsigned fourth = byte(at + 3);
    if (InRange(first, 0x81, 0xFE) && InRange(second, 0x30, 0x39) && InRange(third, 0x81, 0xFE) &&
        InRange(fourth, 0x30, 0x39)) {
      const uint32_t number =
          (((first - 0x81) * 10 + (second - 0x30)) * 126 + (third - 0x81)) * 10 + (fourth - 0x30);
      uint32_t code_point = 0;
      if (number >= kSupplementaryBase) {
        code_point = number - kSupplementaryBase + 0x10000;
        if (code_point > 0x10FFFF) code_point = 0;
      } else {
        code_point = tables.CodePointOf(number);
      }
      AppendCodePoint(out, code_point != 0 ? code_point : kReplacement);
      at += 4;
      continue;
    }
    out.push_back(kReplacement);
    at += 1;
  }
  return out;
}

std::string Gb18030FromWideFallback(std::wstring_view wide) {
  const FallbackTables& tables = Tables();
  std::string out;
  out.reserve(wide.size() * 2);
  for (std::size_t at = 0; at < wide.size(); ++at) {
    const auto unit = static_cast<uint32_t>(wide[at]);
    if (unit < 0x80) {
      out.push_back(static_cast<char>(unit));
    } else if (IsHighSurrogate(unit) && at + 1 < wide.size() &&
               IsLowSurrogate(static_cast<uint32_t>(wide[at + 1]))) {
      const uint32_t low = static_cast<uint32_t>(wide[at + 1]);
      const uint32_t code_point = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
      AppendFourBytes(out, code_point - 0x10000 + kSupplementaryBase);
      ++at;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.push_back('?');
    } else if (const uint16_t pair = tables.PairOf(unit); pair != 0) {
      out.push_back(static_cast<char>(pair >> 8));
      out.push_back(static_cast<char>(pair & 0xFF));
    } else {
      AppendFourBytes(out, tables.NumberOf(unit));
    }
  }
  return out;
}

}  // namespace detail

std::wstring WideFromGb18030(TextRef text) {
  const char* bytes = text.c_str();
  const std::size_t length = std::strlen(bytes);
  if (length == 0) return std::wstring();
  if (!SystemHasGb18030()) return detail::WideFromGb18030Fallback(std::string_view(bytes, length));
  const int byte_count = static_cast<int>(std::min<std::size_t>(length, INT32_MAX));
  const int units = MultiByteToWideChar(kGb18030CodePage, 0, bytes, byte_count, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(kGb18030CodePage, 0, bytes, byte_count, wide.data(), units);
  return wide;
}

Text Gb18030FromWide(std::wstring_view wide) {
  if (wide.empty()) return Text();
  if (!SystemHasGb18030()) {
    const std::string bytes = detail::Gb18030FromWideFallback(wide);
    return TextFromBytes(bytes.data(), bytes.size());
  }
  const int unit_count = static_cast<int>(std::min<std::size_t>(wide.size(), INT32_MAX));
  const int length = WideCharToMultiByte(kGb18030CodePage, 0, wide.data(), unit_count, nullptr, 0,
                                         nullptr, nullptr);
  if (length <= 0) return Text();
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kGb18030CodePage, 0, wide.data(), unit_count, bytes.data(), length, nullptr,
                      nullptr);
  return TextFromBytes(bytes.data(), bytes.size());
}

int32_t CodePointsBefore(std::wstring_view wide, std::size_t units) noexcept {
  units = std::min(units, wide.size());
  int32_t count = 0;
  for (std::size_t at = 0; at < units; ++at) {
    // The low half of a pair belongs to the code point its high half started.
    if (at > 0 && IsLowSurrogate(static_cast<uint32_t>(wide[at])) &&
        IsHighSurrogate(static_cast<uint32_t>(wide[at - 1]))) {
      continue;
    }
    ++count;
  }
  return count;
}

std::size_t UnitsBeforeCodePoint(std::wstring_view wide, int32_t code_points) noexcept {
  std::size_t at = 0;
  for (int32_t seen = 0; seen < code_points && at < wide.size(); ++seen) {
    const bool pair = IsHighSurrogate(static_cast<uint32_t>(wide[at])) && at + 1 < wide.size() &&
                      IsLowSurrogate(static_cast<uint32_t>(wide[at + 1]));
    at += pair ? 2 : 1;
  }
  return at;
}

}  // namespace voralind
