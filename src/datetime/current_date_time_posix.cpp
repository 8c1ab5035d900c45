// CurrentDateTime on POSIX systems: the local calendar time from localtime_r.
#include <time.h>

#include "datetime/date_time.h"

namespace voralind {

DateTime CurrentDateTime() {
  const time_t now = time(nullptr);  // whole seconds: the fraction is dropped, not rounded
  tm local{};
  if (localtime_r(&now, &local) == nullptr) return MinDateTime;
  // MakeDateTime rather than BuildDateTime: a leap second (tm_sec 60) reads as :59.
  return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec);
}

}  // namespace voralind
