// The date box rewrites its own text whenever it loses the focus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "text/text.h"

namespace voralind {

struct DateBoxRewrite {
  Text text;          // the new text of the box (absent: empty the box)
  int32_t caret = 0;  // caret position in characters, with an empty selection
};

// Reads `current` as a date. Unreadable, or exactly 1899-12-30 00:00:00: the new text is
// empty; otherwise DateTimeToText of the moment. When that equals `current` byte for byte
// nothing is to change (nullopt). Otherwise the caret goes where the selection began
// (`selection_start`, in characters) or to the end of the new text when that lies beyond it.
// Examples: "1990-05-03" -> "1990年5月3日"; "0100-1-1" -> "100年1月1日"; "1899-12-30",
// "abc", "2021/2/29" -> empty; "1990年5月3日" -> nullopt.
std::optional<DateBoxRewrite> NormaliseDateBox(TextRef current, int32_t selection_start);

// Number of characters in a GBK/GB18030 text: one per ASCII byte, per two-byte pair and per
// four-byte GB18030 sequence. A lone lead byte before the NUL counts as one character.
int32_t CharacterCount(TextRef text) noexcept;

// Byte offset at which character `index` (counted as CharacterCount does) begins; the
// text's length in bytes when `index` is at or past its end, 0 when `index` < 0.
// Example: ByteOffsetOfCharacter("1990年5", 5) is 6.
std::size_t ByteOffsetOfCharacter(TextRef text, int32_t index) noexcept;

}  // namespace voralind
