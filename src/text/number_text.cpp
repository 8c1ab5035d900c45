#include "text/number_text.h"

#include <cstdint>
#include <cstring>

#include "text/decimal_digits.h"
#include "text/text_memory.h"

namespace voralind {
namespace {

// An owned text of exactly length + 1 bytes holding `bytes`.
Text OwnedCopy(const char* bytes, std::size_t length) {
  char* storage = AllocateTextBytes(length + 1);
  std::memcpy(storage, bytes, length);
  storage[length] = '\0';
  return Text::Adopt(storage);
}

// An owned text of `value` in decimal: a minus sign for negatives, no padding. The digits
// are counted first and written straight into the new text, from the last one back.
Text WholeNumberText(int64_t value) {
  // Negating in unsigned arithmetic keeps the most negative value well defined.
  uint64_t magnitude =
      value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::size_t digits = 1;
  // 10^19 is the largest power of ten a uint64_t holds; a magnitude above it has 20 digits.
  for (uint64_t power = 10; magnitude >= power; power *= 10) {
    if (++digits == 20) break;
  }
  const std::size_t length = digits + (value < 0 ? 1 : 0);
  char* storage = AllocateTextBytes(length + 1);
  storage[length] = '\0';
  std::size_t at = length;
  do {
    storage[--at] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) storage[0] = '-';
  return Text::Adopt(storage);
}

bool IsBlank(unsigned char byte) { return byte == ' ' || (byte >= 0x09 && byte <= 0x0D); }

bool IsDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

Text NumberToText(double x) {
  // A whole number below 10^13 in magnitude is exactly its integer digits, 13 at most, so
  // neither rounding of the digits changes it and its text is the plain integer. Every
  // count the countdown writes is such a number; writing it directly skips the exact
  // expansion. Zero of either sign gives "0" here too. NaN fails the range test.
  constexpr double kPlainIntegerLimit = 1e13;
  if (x > -kPlainIntegerLimit && x < kPlainIntegerLimit) {
    const auto whole = static_cast<int64_t>(x);
    if (static_cast<double>(whole) == x) return WholeNumberText(whole);
  }
  const NumberTextBytes text = LayOutDigits(NumberTextDigits(x));
  return OwnedCopy(text.c_str(), text.length);
}

Text IntegerToText(int32_t n) { return WholeNumberText(n); }

int32_t TextToInteger(TextRef text) {
  const Text folded = FoldFullWidth(text);
  const auto* p = reinterpret_cast<const unsigned char*>(folded.c_str());
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '-' || *p == '+') {
    negative = *p == '-';
    ++p;
  }
  // Unsigned arithmetic wraps modulo 2^32 by definition, which is the wrap the reading wants.
  uint32_t value = 0;
  for (; IsDigit(*p); ++p) value = value * 10u + static_cast<uint32_t>(*p - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

int32_t TruncateToInteger(double x) noexcept {
  // Only magnitudes below 2^63 fit the 64-bit intermediate; NaN fails both comparisons.
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (!(x > -kTwoTo63 && x < kTwoTo63)) return 0;
  const auto whole = static_cast<int64_t>(x);  // the conversion cuts toward zero
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(whole)));
}

double AbsoluteValue(double x) noexcept { return x < 0 ? -x : x; }

}  // namespace voralind
