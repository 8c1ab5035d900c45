// Conversions between numbers and texts, with the exact forms the countdown shows.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace voralind {

// The double in "%.13g" form with a three-digit exponent, the same bytes on every platform.
// Digits come from the exact decimal expansion rounded twice: first to 17 significant
// digits, then to 13. Plain form for decimal exponents -4 to 12, exponent form otherwise;
// trailing fraction zeros are dropped. Zero of either sign is "0".
// Examples: 2050 -> "2050"; 1e20 -> "1e+020"; 1.0/3 -> "0.3333333333333";
// 437.89328694845 -> "437.8932869485" (the double rounding); 0.00001 -> "1e-005".
// Infinities give "inf"/"-inf" and NaN gives "nan": the countdown never asks for them.
Text NumberToText(double x);

// The integer in decimal, "-" for negatives, no padding. Example: -2147483648 -> "-2147483648".
Text IntegerToText(int32_t n);

// Reads a leading integer: full-width forms folded first, leading blanks and \t\n\v\f\r
// skipped, one optional sign, then ASCII digits in wrapping 32-bit arithmetic. Anything
// else ends the number; no digits give 0.
// Examples: "60岁" -> 60; "3.9" -> 3; "- 5" -> 0; "4294967295" -> -1; "99999999999" -> 1215752191.
int32_t TextToInteger(TextRef text);

// Cuts x toward zero and keeps the low 32 bits of the 64-bit result. NaN, infinities and
// magnitudes of 2^63 or more give 0.
// Examples: -3.99 -> -3; 2147483648.0 -> -2147483648; 4294967297.5 -> 1; 1e19 -> 0.
int32_t TruncateToInteger(double x) noexcept;

// -x when x < 0, else x unchanged: negative zero stays negative zero.
double AbsoluteValue(double x) noexcept;

}  // namespace voralind
