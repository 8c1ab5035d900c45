// A clock for tests: returns the readings it was given, in order, and counts the reads.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "countdown/clock.h"
#include "datetime/date_time.h"

namespace voralind::test_support {

// Returns readings[0], readings[1], ...; once the list is used up it keeps returning the
// last reading, so a short script describes a clock that stops at its last value.
class ScriptedClock final : public Clock {
 public:
  explicit ScriptedClock(std::vector<DateTime> readings) : readings_(std::move(readings)) {}
  explicit ScriptedClock(DateTime fixed) : readings_{fixed} {}

  // `first` for the first `count` reads, `then` from there on: a clock that jumps once.
  static ScriptedClock Jumping(DateTime first, std::size_t count, DateTime then) {
    std::vector<DateTime> readings(count, first);
    readings.push_back(then);
    return ScriptedClock(std::move(readings));
  }

  DateTime Read() override {
    const std::size_t index = reads_ < readings_.size() ? reads_ : readings_.size() - 1;
    ++reads_;
    return readings_.empty() ? 0.0 : readings_[index];
  }

  // How many times Read() has been called.
  std::size_t reads() const noexcept { return reads_; }

 private:
  std::vector<DateTime> readings_;
  std::size_t reads_ = 0;
};

}  // namespace voralind::test_support
