// Lets failing expectations show calendar fields as a date rather than as raw bytes.
#pragma once

#include <ostream>

#include "datetime/date_time.h"

namespace voralind {

inline void PrintTo(const DateTimeFields& f, std::ostream* os) {
  *os << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':'
      << f.second << " (weekday " << f.weekday << ')';
}

}  // namespace voralind
