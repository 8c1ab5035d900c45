// What one complete refresh costs beside the clock reads it is made of.
//
// A complete run reads the clock 21 times (27 when the retirement moment passes during the
// run). The runs here use a clock that costs next to nothing, so they measure the work
// beyond the reads; BM_CurrentDateTimeX27 measures the 27 reads of the real clock alone.
// The goal: the work of a run stays well below half of its 27 reads, so that a complete
// run with the real clock costs less than 1.5 times its reads.
//
//   countdown_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <cstddef>

#include "countdown/clock.h"
#include "countdown/countdown.h"
#include "datetime/date_time.h"
#include "datetime/time_difference.h"
#include "text/number_text.h"
#include "text/text.h"

namespace voralind {
namespace {

constexpr int kMaxReads = 27;

// Always the same moment: a run with the retirement moment ahead, 21 reads.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime now) : now_(now) {}
  DateTime Read() override { return now_; }

 private:
  DateTime now_;
};

// One second before the retirement moment for the first 8 reads (caption, first comparison,
// six lines), one second after from there on: both reports are built, 27 reads.
class CrossingClock final : public Clock {
 public:
  explicit CrossingClock(DateTime retirement) : retirement_(retirement) {}
  void Restart() noexcept { reads_ = 0; }
  DateTime Read() override {
    return ++reads_ <= 8 ? retirement_ - SecondInDays : retirement_ + SecondInDays;
  }

 private:
  DateTime retirement_;
  int reads_ = 0;
};

void RunOnce(benchmark::State& state, Clock& clock) {
  CountdownOutputs outputs =
      ComputeCountdown("\xD5\xC5\xC8\xFD" /* 张三 */, "1970-05-17", "60", clock);
  benchmark::DoNotOptimize(outputs.report.data());
  if (!outputs.complete) state.SkipWithError("the run was not complete");
}

void BM_ComputeCountdownFixedClock(benchmark::State& state) {
  FixedClock clock(MakeDateTime(2024, 5, 1, 10, 30, 0));
  for (auto _ : state) RunOnce(state, clock);
}
BENCHMARK(BM_ComputeCountdownFixedClock);

void BM_ComputeCountdownBothReports(benchmark::State& state) {
  CrossingClock clock(MakeDateTime(2030, 5, 17, 0, 0, 0));
  for (auto _ : state) {
    clock.Restart();
    RunOnce(state, clock);
  }
}
BENCHMARK(BM_ComputeCountdownBothReports);

void BM_CurrentDateTimeX27(benchmark::State& state) {
  for (auto _ : state) {
    for (int i = 0; i < kMaxReads; ++i) benchmark::DoNotOptimize(CurrentDateTime());
  }
}
BENCHMARK(BM_CurrentDateTimeX27);

// The program's own run: the real clock, 21 reads, with the work above.
void BM_ComputeCountdownSystemClock(benchmark::State& state) {
  SystemClock clock;
  for (auto _ : state) RunOnce(state, clock);
}
BENCHMARK(BM_ComputeCountdownSystemClock);

// The pieces a run is made of, one call each, to show where the time of a run goes. A
// run splits about 17 moments, counts 9 differences, writes about 15 numbers and joins
// about 30 texts.
void BM_SplitDateTime(benchmark::State& state) {
  DateTime v = MakeDateTime(2024, 5, 1, 10, 30, 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(v);
    benchmark::DoNotOptimize(SplitDateTime(v));
  }
}
BENCHMARK(BM_SplitDateTime);

void BM_TimeDifferenceSecond(benchmark::State& state) {
  DateTime a = MakeDateTime(2030, 5, 17, 0, 0, 0);
  DateTime b = MakeDateTime(2024, 5, 1, 10, 30, 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    benchmark::DoNotOptimize(TimeDifference(a, b, TimeUnit::Second));
  }
}
BENCHMARK(BM_TimeDifferenceSecond);

void BM_NumberToTextWholeCount(benchmark::State& state) {
  double count = 190647000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(count);
    Text text = NumberToText(count);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_NumberToTextWholeCount);

void BM_ConcatTextReportLine(benchmark::State& state) {
  const Text number = NumberToText(52957);
  for (auto _ : state) {
    Text line = ConcatText("report so far\r\n", "total ", number, " hours\r\n");
    benchmark::DoNotOptimize(line.data());
  }
}
BENCHMARK(BM_ConcatTextReportLine);

}  // namespace
}  // namespace voralind
