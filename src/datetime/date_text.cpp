#include "datetime/date_text.h"

#include <cstdint>

#include "datetime/date_marks.h"

namespace voralind {
namespace {

// Room for the longest form, "9999年12月31日23时59分59秒" (26 bytes), and its NUL.
constexpr int32_t kLongestText = 26;

// Writes a field (0 to 9999 after a split) in decimal without leading zeros, then its mark.
char* WriteField(char* out, int32_t value, const char* mark) noexcept {
  char digits[10];
  int32_t count = 0;
  auto rest = static_cast<uint32_t>(value);
  do {
    digits[count++] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  while (count > 0) *out++ = digits[--count];
  *out++ = mark[0];
  *out++ = mark[1];
  return out;
}

}  // namespace

Text DateTimeToText(DateTime v) {
  const DateTimeFields f = SplitDateTime(v);
  char buffer[kLongestText + 1];
  char* out = buffer;
  out = WriteField(out, f.year, date_marks::kYear);
  out = WriteField(out, f.month, date_marks::kMonth);
  out = WriteField(out, f.day, date_marks::kDay);
  // Trailing zero time fields are left out; a zero field before a written one stays.
  if (f.second != 0 || f.minute != 0 || f.hour != 0) {
    out = WriteField(out, f.hour, date_marks::kHour);
  }
  if (f.second != 0 || f.minute != 0) out = WriteField(out, f.minute, date_marks::kMinute);
  if (f.second != 0) out = WriteField(out, f.second, date_marks::kSecond);
  *out = '\0';
  return ConcatText(buffer);
}

}  // namespace voralind
