#include "window/date_box.h"

#include <utility>

#include "datetime/date_parse.h"
#include "datetime/date_text.h"

namespace voralind {
namespace {

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsDigitByte(unsigned char byte) { return byte >= 0x30 && byte <= 0x39; }

// The start of the character after the one at `at` (not the NUL). Each byte is checked
// before the next is looked at, so the step never passes the NUL whatever the bytes are;
// a lead byte just before the NUL is a character of its own.
const char* NextCharacter(const char* at) noexcept {
  const auto* bytes = reinterpret_cast<const unsigned char*>(at);
  if (IsLeadByte(bytes[0]) && IsDigitByte(bytes[1]) && IsLeadByte(bytes[2]) &&
      IsDigitByte(bytes[3])) {
    return at + 4;  // a four-byte GB18030 sequence
  }
  if (bytes[0] >= 0x80 && bytes[1] != 0) return at + 2;
  return at + 1;
}

}  // namespace

std::optional<DateBoxRewrite> NormaliseDateBox(TextRef current, int32_t selection_start) {
  // A text the reader rejects empties the box; so does the zero moment, 1899-12-30 00:00:00.
  // A text that really names the earliest moment, 0100-01-01, is a date like any other.
  const std::optional<DateTime> moment = TryParseDateTime(current);
  Text replacement;  // absent: the box is emptied
  if (moment.has_value() && *moment != 0.0) replacement = DateTimeToText(*moment);
  if (CompareText(replacement, current) == 0) return std::nullopt;

  const int32_t length = CharacterCount(replacement);
  int32_t caret = selection_start < 0 ? 0 : selection_start;
  if (caret > length) caret = length;
  return DateBoxRewrite{std::move(replacement), caret};
}

int32_t CharacterCount(TextRef text) noexcept {
  const char* at = text.c_str();
  int32_t count = 0;
  for (; *at != '\0'; at = NextCharacter(at)) ++count;
  return count;
}

std::size_t ByteOffsetOfCharacter(TextRef text, int32_t index) noexcept {
  const char* start = text.c_str();
  const char* at = start;
  for (int32_t i = 0; i < index && *at != '\0'; ++i) at = NextCharacter(at);
  return static_cast<std::size_t>(at - start);
}

}  // namespace voralind
