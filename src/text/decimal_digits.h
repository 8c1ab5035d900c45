// Decimal digits of a double, chosen in one step and laid out as text in another.
//
// Choosing works on the exact decimal expansion of the double (every double has a finite
// one), computed with the program's own big-integer arithmetic; laying out writes the chosen
// digits as a "%g"-style text. Neither step calls the C library's formatting, so the bytes
// are the same on every platform.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace voralind {

// A double reduced to what its text needs. For kind kFinite, `digits[0..count)` are ASCII
// digits with digits[0] not '0', and the magnitude is d0.d1d2... times 10^exponent.
// For the other kinds only `negative` is meaningful (zero keeps the sign of -0.0).
struct DecimalDigits {
  static constexpr int32_t kMaxDigits = 18;
  enum class Kind : uint8_t { kZero, kFinite, kInfinity, kNaN };

  Kind kind = Kind::kZero;
  bool negative = false;
  int32_t count = 0;
  int32_t exponent = 0;
  std::array<char, kMaxDigits> digits{};
};

// The first `count` significant digits of the exact decimal expansion of |x|, cut off, not
// rounded; an expansion shorter than `count` is filled up with zeros.
// Precondition: 1 <= count <= DecimalDigits::kMaxDigits.
// Examples: 0.1 with 18 digits is "100000000000000005" and exponent -1
// (0.1 is exactly 0.1000000000000000055511151231257827...); 1e23 (exactly
// 99999999999999991611392) with 18 digits is "999999999999999916" and exponent 22.
DecimalDigits LeadingDecimalDigits(double x, int32_t count);

// `d` cut to its first `keep` digits, the last kept one raised by one when the first dropped
// digit is 5 or more (only that one digit is looked at). A carry out of the first digit gives
// 1 followed by zeros and raises the exponent. Digits already no more than `keep` are kept.
// Precondition: keep >= 1.
// Examples: "12345" kept to 4 is "1235"; "99995" kept to 4 is "1000" with exponent + 1;
// "1234499" kept to 4 is "1234".
DecimalDigits RoundDigitsHalfUp(const DecimalDigits& d, int32_t keep);

// The 13 digits the program writes for x: the exact expansion cut to 18 digits, rounded
// half up to 17, and that rounded half up again to 13.
// Example: 437.89328694845 (exactly 437.89328694844999...) gives "4378932869485", exponent 2,
// one unit above a single rounding to 13 digits.
DecimalDigits NumberTextDigits(double x);

// A laid-out number: NUL-terminated ASCII bytes and their count.
struct NumberTextBytes {
  static constexpr std::size_t kCapacity = 40;  // room for any exponent an int32_t holds
  std::array<char, kCapacity> bytes{};
  std::size_t length = 0;
  const char* c_str() const noexcept { return bytes.data(); }
};

// `d` in "%g" form with precision d.count and an exponent of at least three digits: the
// exponent form d0.d1...e+XXX when the exponent is below -4 or at least d.count, the plain
// form otherwise; trailing fraction zeros and a bare full stop are dropped; a minus sign in
// front of negative values. Zero of either sign is "0"; the other kinds are "inf", "-inf"
// and "nan".
// Examples: "1000000000000" exponent 20 is "1e+020"; "1500000000000" exponent -7 is
// "1.5e-007"; "1234560000000" exponent -4 is "0.000123456"; negative "325" exponent 0 is
// "-3.25".
NumberTextBytes LayOutDigits(const DecimalDigits& d) noexcept;

}  // namespace voralind
