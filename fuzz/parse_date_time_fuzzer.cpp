// Feeds arbitrary bytes to the date reader. Any crash, sanitizer report or broken check
// below is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "datetime/date_parse.h"
#include "datetime/date_text.h"
#include "datetime/date_time.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace voralind;
  // The input as a text in a block of exactly its size plus the NUL, so that a read past
  // the end is caught. Bytes after an embedded NUL are simply never reached.
  const auto text = std::make_unique<char[]>(size + 1);
  if (size != 0) std::memcpy(text.get(), data, size);
  text[size] = '\0';

  const DateTime v = ParseDateTime(text.get());
  if (v == MinDateTime) return 0;
  // A text that was read names a whole-second moment with valid fields: writing it and
  // reading it again gives the moment back (0100-01-01 with a time of day lies below
  // MinDateTime and 9999-12-31 with one above MaxDateTime: both come back clamped).
  if (!(v > MinDateTime - 1 && v < MaxDateTime + 1)) std::abort();
  const Text written = DateTimeToText(v);
  if (ParseDateTime(written) != ClampDateTime(v)) std::abort();
  return 0;
}
