#include "app/floating_point.h"

#include <cfenv>

namespace voralind {

void ResetFloatingPointEnvironment() noexcept {
  std::fesetenv(FE_DFL_ENV);
#if defined(__x86_64__) || defined(__i386__)
  // Some C runtimes start the x87 unit at a 53-bit significand; the date arithmetic is
  // specified with extended intermediates. 0x037F: all exceptions masked, 64-bit
  // significand, round to nearest.
  const unsigned short control_word = 0x037F;
  __asm__ volatile("fldcw %0" : : "m"(control_word));
#endif
}

}  // namespace voralind
