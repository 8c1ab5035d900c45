#include "window/date_box.h"

#include <string>
#include <utility>

#include "datetime/date_parse.h"
#include "datetime/date_text.h"

namespace voralind {
namespace {

// True when `text` is a date the reader accepts. The reader answers MinDateTime both for
// texts it rejects and for texts that really name 0100-01-01 00:00:00, and the box must
// keep the latter. A text naming that moment starts, once full-width forms are folded,
// with the year "100" or "0100" and no further year digit. Reading the same text with the
// year 200 instead tells the two apart: 100 and 200 are both common years, so every other
// field is valid for one exactly when it is valid for the other, and a successful read of
// year 200 can never give MinDateTime.
bool ReadsAsDate(TextRef text, DateTime moment) {
  if (moment != MinDateTime) return true;
  const Text folded = FoldFullWidth(text);
  std::string probe = folded.c_str();
  const auto is_digit = [&probe](std::size_t at) {
    return at < probe.size() && probe[at] >= '0' && probe[at] <= '9';
  };
  if (probe.compare(0, 4, "0100") == 0) {
    probe[1] = '2';
  } else if (probe.compare(0, 3, "100") == 0 && !is_digit(3)) {
    probe[0] = '2';
  } else {
    return false;
  }
  return ParseDateTime(probe.c_str()) != MinDateTime;
}

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
  const DateTime moment = ParseDateTime(current);
  Text replacement;  // absent: the box is emptied
  if (ReadsAsDate(current, moment) && moment != 0.0) replacement = DateTimeToText(moment);
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
