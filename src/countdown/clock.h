// The source of "now" that the countdown is handed.
#pragma once

#include "datetime/date_time.h"

namespace voralind {

// Each Read() is one reading of the current moment. The countdown reads at fixed points and
// never merges reads, so a scripted clock in a test sees exactly the program's reads.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Read() = 0;
};

// The program's clock: one CurrentDateTime() per read.
class SystemClock final : public Clock {
 public:
  DateTime Read() override { return CurrentDateTime(); }
};

}  // namespace voralind
