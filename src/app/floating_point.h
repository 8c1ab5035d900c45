// The floating-point state the program computes under.
#pragma once

namespace voralind {

// Resets the floating-point environment to its power-on state: rounding to nearest, all
// exceptions masked and no flags raised, and on x86 the x87 unit carrying intermediate
// results with a 64-bit significand, so `long double` arithmetic is extended precision on
// every platform the program runs on. Called once at program start.
void ResetFloatingPointEnvironment() noexcept;

}  // namespace voralind
