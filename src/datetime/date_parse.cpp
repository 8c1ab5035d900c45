#include "datetime/date_parse.h"

#include <cstdint>
#include <optional>

#include "datetime/date_marks.h"

namespace voralind {
namespace {

// One field of the text: how many digits it may take and what may follow it.
struct FieldRule {
  int32_t max_digits;
  bool blank_separates;  // only the day's slot takes a blank
  const char* mark;      // the slot's two-byte mark; the second has no slot
};

constexpr FieldRule kFields[6] = {
    {4, false, date_marks::kYear}, {2, false, date_marks::kMonth},  {2, true, date_marks::kDay},
    {2, false, date_marks::kHour}, {2, false, date_marks::kMinute}, {2, false, nullptr},
};

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Reads up to `max_digits` digits at `p`; no digits read as 0.
int32_t ReadField(const char*& p, int32_t max_digits) noexcept {
  int32_t value = 0;
  for (int32_t taken = 0; taken < max_digits && IsDigit(*p); ++taken, ++p) {
    value = value * 10 + (*p - '0');
  }
  return value;
}

// True when the two bytes at `p` are `mark`. The second byte is read only after the first
// has matched a non-NUL byte, so the read never passes the text's NUL.
bool StartsWithMark(const char* p, const char* mark) noexcept {
  return p[0] == mark[0] && p[1] == mark[1];
}

// Consumes at most one separator of the slot after a field; none is needed.
void SkipSeparator(const char*& p, const FieldRule& rule) noexcept {
  const char c = *p;
  if (c == '\0') return;
  if (c == '/' || c == '-' || c == ':' || c == '.' || (rule.blank_separates && c == ' ')) {
    ++p;
  } else if (StartsWithMark(p, rule.mark)) {
    p += 2;
  }
}

bool InRange(int32_t value, int32_t low, int32_t high) noexcept {
  return value >= low && value <= high;
}

}  // namespace

std::optional<DateTime> TryParseDateTime(TextRef text) {
  // The folded copy is a NUL-terminated owned text: every read below stops at its NUL.
  const Text folded = FoldFullWidth(text);
  const char* p = folded.c_str();
  if (*p == '\0') return std::nullopt;

  int32_t f[6] = {};
  for (int32_t i = 0; i < 6; ++i) {
    f[i] = ReadField(p, kFields[i].max_digits);
    if (i < 5) SkipSeparator(p, kFields[i]);  // the second has no slot: the end comes next
  }
  if (*p != '\0' && !StartsWithMark(p, date_marks::kSecond)) return std::nullopt;

  const int32_t year = f[0], month = f[1], day = f[2], hour = f[3], minute = f[4], second = f[5];
  if (!InRange(year, 100, 9999) || !InRange(month, 1, 12) ||
      !InRange(day, 1, DaysInMonth(year, month)) || !InRange(hour, 0, 23) ||
      !InRange(minute, 0, 59) || !InRange(second, 0, 59)) {
    return std::nullopt;
  }
  return BuildDateTime(year, month, day, hour, minute, second);
}

DateTime ParseDateTime(TextRef text) { return TryParseDateTime(text).value_or(MinDateTime); }

}  // namespace voralind
