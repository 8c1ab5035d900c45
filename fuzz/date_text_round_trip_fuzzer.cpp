// Reads 8 bytes as a double, writes it as a date text and reads the text back. Every
// double, NaN and the infinities included, must give a text that names the same moment to
// the nearest second.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "datetime/date_parse.h"
#include "datetime/date_text.h"
#include "datetime/date_time.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace voralind;
  if (size < sizeof(double)) return 0;
  double v;
  std::memcpy(&v, data, sizeof v);

  const Text text = DateTimeToText(v);
  if (text.size() > 26) std::abort();  // the longest form is 26 bytes
  const DateTime back = ParseDateTime(text);
  // The text names v rounded to the nearest second (NaN reads as the earliest moment).
  const double distance =
      DateTimeOrderKey(ClampDateTime(back)) - DateTimeOrderKey(ClampDateTime(v));
  if (!(std::fabs(distance) <= HalfSecond + 1e-9)) std::abort();
  const Text again = DateTimeToText(back);
  if (std::strcmp(again.c_str(), text.c_str()) != 0) std::abort();
  return 0;
}
