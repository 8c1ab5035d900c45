#include "countdown/countdown.h"

#include "countdown/day_remainder.h"
#include "countdown/retirement_report.h"
#include "datetime/date_parse.h"
#include "datetime/date_text.h"
#include "text/number_text.h"
#include "window/controls.h"
#include "window/window_port.h"

namespace voralind {
namespace {

constexpr char kCaptionPrefix[] = "Voralind ";
constexpr char kGreetingPrefix[] = "\xC4\xFA\xBA\xC3\xA3\xA1";  // 您好！

}  // namespace

CountdownOutputs ComputeCountdown(TextRef name, TextRef birth_date, TextRef age, Clock& clock) {
  CountdownOutputs outputs;
  {
    Text now_text = DateTimeToText(clock.Read());
    outputs.caption = ConcatText(kCaptionPrefix, now_text);
  }

  outputs.complete = IsFilled(name) && IsFilled(birth_date) && IsFilled(age);
  if (!outputs.complete) return outputs;

  // Unreadable inputs are not errors: a birth date that is no date is the earliest moment
  // and an age that is no number is 0, and the run shows what they give.
  const DateTime birth = ParseDateTime(birth_date);
  const int32_t years = TextToInteger(age);
  {
    Text moment_text = BuildRetirementMomentText(birth, years);
    outputs.report = RetirementReport(moment_text, clock);
  }
  outputs.today = DayRemainderReport(clock);
  outputs.greeting = ConcatText(kGreetingPrefix, name);
  return outputs;
}

void CountdownRefresh(WindowPort& window, Clock& clock) {
  // Reading a box changes nothing, so each box is read once and handed to the core. The
  // reads stop at the first empty box; the boxes after it stay unread (absent), which the
  // core sees as an incomplete run.
  Text name = window.ReadBoxText(Control::姓名编辑框);
  Text birth_date;
  Text age;
  if (IsFilled(name)) {
    birth_date = window.ReadBoxText(Control::出生日期编辑框);
    if (IsFilled(birth_date)) age = window.ReadBoxText(Control::退休年龄编辑框);
  }

  const CountdownOutputs outputs = ComputeCountdown(name, birth_date, age, clock);
  window.WriteCaption(outputs.caption);
  // An incomplete run leaves the outputs of the last complete one in place.
  if (!outputs.complete) return;
  window.WriteBoxText(Control::名称编辑框, outputs.greeting);
  window.WriteBoxText(Control::总退休时间编辑框, outputs.report);  // absent empties it
  window.WriteBoxText(Control::今天时间编辑框, outputs.today);
}

}  // namespace voralind
