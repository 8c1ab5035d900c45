// CurrentDateTime on Windows: the local calendar time from GetLocalTime.
#include <windows.h>

#include "datetime/date_time.h"

namespace voralind {

DateTime CurrentDateTime() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  // The milliseconds are dropped, not rounded.
  return MakeDateTime(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute,
                      local.wSecond);
}

}  // namespace voralind
