// How far one moment lies after another, in one unit.
#pragma once

#include <cstdint>

#include "datetime/date_time.h"

namespace voralind {

enum class TimeUnit : int32_t {
  Year = 1,
  Quarter = 2,
  Month = 3,
  Week = 4,
  Day = 5,
  Hour = 6,
  Minute = 7,
  Second = 8,
};

// Positive when a is later than b. Units below 1 act as Year, above 8 as Second.
// Year, Quarter and Month compare only the year and month fields. Day is the exact distance
// in days with its fraction. Hour, Minute and Second add HalfSecond in the unit's own scale,
// cut toward zero and wrap to 32 bits: a moment exactly 15 s before b gives -14 s. Week
// counts whole days / 7 and adds (or takes) one when the weekdays say a partial week
// crossed. Both moments are clamped first; equal doubles give 0.
// Example: a = 2050-05-03, b = 2021-04-28 10:30:15: Week 1514, Second 915542985, and with
// the moments swapped Second -915542984.
double TimeDifference(DateTime a, DateTime b, TimeUnit unit) noexcept;

}  // namespace voralind
