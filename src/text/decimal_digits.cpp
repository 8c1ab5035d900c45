#include "text/decimal_digits.h"

#include <bit>

namespace voralind {
namespace {

// A non-negative integer in base 10^9 limbs, least significant first. Decimal limbs make the
// digits fall out directly, with no division of a big number.
//
// Capacity: a double is s * 2^b with s < 2^53 and -1074 <= b <= 971. For b >= 0 the value is
// below 2^1024 (309 digits); for b < 0 its expansion is s * 5^-b / 10^-b, and
// s * 5^1074 < 10^767, so 767 digits, 86 limbs, are the most ever needed.
class DecimalInteger {
 public:
  explicit DecimalInteger(uint64_t value) noexcept {
    do {
      limbs_[size_++] = static_cast<uint32_t>(value % kBase);
      value /= kBase;
    } while (value != 0);
  }

  void MultiplyBy(uint32_t factor) noexcept {
    uint64_t carry = 0;
    for (std::size_t i = 0; i < size_; ++i) {
      // At most (10^9 - 1) * (2^32 - 1) + carry, with carry below 2^33: fits in 64 bits.
      const uint64_t product = uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<uint32_t>(product % kBase);
      carry = product / kBase;
    }
    while (carry != 0) {
      limbs_[size_++] = static_cast<uint32_t>(carry % kBase);
      carry /= kBase;
    }
  }

  void MultiplyByPowerOfTwo(int32_t power) noexcept {
    for (; power >= 31; power -= 31) MultiplyBy(uint32_t{1} << 31);
    if (power > 0) MultiplyBy(uint32_t{1} << power);
  }

  void MultiplyByPowerOfFive(int32_t power) noexcept {
    constexpr uint32_t kFiveTo13 = 1'220'703'125;  // the largest power of five below 2^32
    uint32_t small = 1;
    for (; power >= 13; power -= 13) MultiplyBy(kFiveTo13);
    for (; power > 0; --power) small *= 5;
    MultiplyBy(small);
  }

  // The number of decimal digits, without leading zeros.
  int32_t DigitCount() const noexcept {
    int32_t count = 9 * static_cast<int32_t>(size_ - 1);
    for (uint32_t top = limbs_[size_ - 1]; top != 0; top /= 10) ++count;
    return count;
  }

  // Writes the first `count` digits, most significant first, zeros past the last digit.
  void WriteLeadingDigits(char* out, int32_t count) const noexcept {
    int32_t written = 0;
    auto write_limb = [&](uint32_t limb, int32_t width) {
      char reversed[9];
      for (int32_t i = 0; i < width; ++i) {
        reversed[i] = static_cast<char>('0' + limb % 10);
        limb /= 10;
      }
      for (int32_t i = width - 1; i >= 0 && written < count; --i) out[written++] = reversed[i];
    };
    const uint32_t top = limbs_[size_ - 1];
    int32_t top_width = 0;
    for (uint32_t rest = top; rest != 0; rest /= 10) ++top_width;
    write_limb(top, top_width);
    for (std::size_t i = size_ - 1; i > 0 && written < count; --i) write_limb(limbs_[i - 1], 9);
    while (written < count) out[written++] = '0';
  }

 private:
  static constexpr uint32_t kBase = 1'000'000'000;
  static constexpr std::size_t kMaxLimbs = 86;
  uint32_t limbs_[kMaxLimbs] = {};
  std::size_t size_ = 0;
};

}  // namespace

DecimalDigits LeadingDecimalDigits(double x, int32_t count) {
  DecimalDigits d;
  const auto bits = std::bit_cast<uint64_t>(x);
  d.negative = (bits >> 63) != 0;
  const auto biased_exponent = static_cast<int32_t>((bits >> 52) & 0x7FF);
  const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
  if (biased_exponent == 0x7FF) {
    d.kind = fraction == 0 ? DecimalDigits::Kind::kInfinity : DecimalDigits::Kind::kNaN;
    return d;
  }
  if (biased_exponent == 0 && fraction == 0) return d;  // zero, with its sign

  // |x| = significand * 2^binary_exponent; subnormals share the exponent of the first binade.
  const uint64_t significand = biased_exponent == 0 ? fraction : fraction | uint64_t{1} << 52;
  const int32_t binary_exponent = (biased_exponent == 0 ? 1 : biased_exponent) - 1075;
  DecimalInteger value(significand);
  int32_t decimal_places = 0;
  if (binary_exponent >= 0) {
    value.MultiplyByPowerOfTwo(binary_exponent);
  } else {
    // s / 2^k = s * 5^k / 10^k: the same digits as the integer s * 5^k, k places shifted.
    value.MultiplyByPowerOfFive(-binary_exponent);
    decimal_places = -binary_exponent;
  }
  d.kind = DecimalDigits::Kind::kFinite;
  d.count = count;
  d.exponent = value.DigitCount() - 1 - decimal_places;
  value.WriteLeadingDigits(d.digits.data(), count);
  return d;
}

DecimalDigits RoundDigitsHalfUp(const DecimalDigits& d, int32_t keep) {
  DecimalDigits rounded = d;
  if (d.kind != DecimalDigits::Kind::kFinite || keep >= d.count) return rounded;
  char* digits = rounded.digits.data();
  const bool up = digits[keep] >= '5';
  for (int32_t i = keep; i < d.count; ++i) digits[i] = '0';
  rounded.count = keep;
  if (!up) return rounded;
  int32_t at = keep - 1;
  while (at >= 0 && digits[at] == '9') digits[at--] = '0';
  if (at >= 0) {
    ++digits[at];
  } else {
    // Every kept digit was a nine: 99...9 + 1 = 100...0, one decimal place higher.
    digits[0] = '1';
    ++rounded.exponent;
  }
  return rounded;
}

DecimalDigits NumberTextDigits(double x) {
  // Two roundings on purpose: the text keeps the digits of a 17-digit intermediate form, so a
  // value whose digits 14 to 18 lie in 49995..49999 rounds up in the 13th digit.
  return RoundDigitsHalfUp(RoundDigitsHalfUp(LeadingDecimalDigits(x, 18), 17), 13);
}

NumberTextBytes LayOutDigits(const DecimalDigits& d) noexcept {
  NumberTextBytes text;
  char* out = text.bytes.data();
  std::size_t at = 0;
  auto put_all = [&](const char* bytes) {
    while (*bytes != '\0') out[at++] = *bytes++;
  };
  switch (d.kind) {
    case DecimalDigits::Kind::kNaN:
      put_all("nan");
      break;
    case DecimalDigits::Kind::kInfinity:
      put_all(d.negative ? "-inf" : "inf");
      break;
    case DecimalDigits::Kind::kZero:
      put_all("0");
      break;
    case DecimalDigits::Kind::kFinite: {
      const char* digits = d.digits.data();
      const int32_t count =
          d.count < 1 ? 1
                      : (d.count > DecimalDigits::kMaxDigits ? DecimalDigits::kMaxDigits : d.count);
      // Significant digits left once the zeros at the end are dropped (never fewer than one).
      int32_t used = count;
      while (used > 1 && digits[used - 1] == '0') --used;
      const int32_t e = d.exponent;
      if (d.negative) out[at++] = '-';
      if (e < -4 || e >= count) {
        out[at++] = digits[0];
        if (used > 1) {
          out[at++] = '.';
          for (int32_t i = 1; i < used; ++i) out[at++] = digits[i];
        }
        out[at++] = 'e';
        out[at++] = e < 0 ? '-' : '+';
        uint32_t magnitude = e < 0 ? 0u - static_cast<uint32_t>(e) : static_cast<uint32_t>(e);
        char reversed[10];
        int32_t width = 0;
        do {
          reversed[width++] = static_cast<char>('0' + magnitude % 10);
          magnitude /= 10;
        } while (magnitude != 0);
        while (width < 3) reversed[width++] = '0';  // always three exponent digits or more
        while (width > 0) out[at++] = reversed[--width];
      } else if (e >= 0) {
        // The whole part is d0..de (e < count, so they all exist), then the fraction.
        for (int32_t i = 0; i <= e; ++i) out[at++] = digits[i];
        if (used > e + 1) {
          out[at++] = '.';
          for (int32_t i = e + 1; i < used; ++i) out[at++] = digits[i];
        }
      } else {
        put_all("0.");
        for (int32_t i = -1; i > e; --i) out[at++] = '0';
        for (int32_t i = 0; i < used; ++i) out[at++] = digits[i];
      }
      break;
    }
  }
  out[at] = '\0';
  text.length = at;
  return text;
}

}  // namespace voralind
