// The refresh cycle: the three input texts and the clock in, caption and outputs out.
#pragma once

#include "countdown/clock.h"
#include "text/text.h"

namespace voralind {

class WindowPort;

struct CountdownOutputs {
  Text caption;           // "Voralind " and the time now; always present
  bool complete = false;  // all three inputs filled in
  Text greeting;          // "您好！" and the name; only when complete
  Text report;            // the retirement report, absent when now is the retirement moment
  Text today;             // what is left of today; only when complete
};

// Pure: reads nothing but its arguments and the clock. Clock reads, in order: 1 for the
// caption; when complete, then 1 + (6) + 1 + (6) for the retirement report and 12 for the
// day remainder, so 1, 15, 21 or 27 reads in all.
CountdownOutputs ComputeCountdown(TextRef name, TextRef birth_date, TextRef age, Clock& clock);

// One run of the refresh: reads the three input boxes (stopping at the first empty one),
// computes, writes the caption always and, when complete, the greeting, the report (absent
// empties the box) and today, in that order. An incomplete run leaves the outputs alone.
void CountdownRefresh(WindowPort& window, Clock& clock);

}  // namespace voralind
