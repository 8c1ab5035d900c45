#include "text/text.h"

#include <cstring>

#include "text/text_memory.h"

namespace voralind {

Text& Text::operator=(Text&& other) noexcept {
  if (this != &other) {
    ReleaseText(*this);
    bytes_ = other.bytes_;
    owned_ = other.owned_;
    other.bytes_ = nullptr;
    other.owned_ = false;
  }
  return *this;
}

Text::~Text() { ReleaseText(*this); }

Text Text::Adopt(char* bytes) noexcept {
  Text text;
  text.bytes_ = bytes;
  text.owned_ = bytes != nullptr;
  return text;
}

Text Text::Copy(TextRef source) {
  if (source.absent()) return Text();
  return ConcatText(source);
}

std::size_t Text::size() const noexcept { return bytes_ != nullptr ? std::strlen(bytes_) : 0; }

void ReleaseText(Text& text) noexcept {
  if (text.owned_) FreeTextBytes(const_cast<char*>(text.bytes_));
  text.bytes_ = nullptr;
  text.owned_ = false;
}

namespace detail {

Text JoinTexts(const TextRef* pieces, std::size_t* lengths, std::size_t count) {
  std::size_t total = 1;  // the closing NUL
  for (std::size_t i = 0; i < count; ++i) {
    lengths[i] = std::strlen(pieces[i].c_str());
    total += lengths[i];
  }
  char* bytes = AllocateTextBytes(total);
  char* out = bytes;
  // The pieces are short (a number, a unit, a line of the report): a plain byte loop
  // copies them faster than a call into the C library per piece.
  for (std::size_t i = 0; i < count; ++i) {
    const char* piece = pieces[i].c_str();
    const char* end = piece + lengths[i];
    while (piece != end) *out++ = *piece++;
  }
  *out = '\0';
  return Text::Adopt(bytes);
}

}  // namespace detail

int32_t CompareText(TextRef a, TextRef b) noexcept {
  const auto* x = reinterpret_cast<const unsigned char*>(a.c_str());
  const auto* y = reinterpret_cast<const unsigned char*>(b.c_str());
  while (*x != 0 && *x == *y) {
    ++x;
    ++y;
  }
  if (*x == *y) return 0;
  return *x < *y ? -1 : 1;
}

Text FoldFullWidth(TextRef text) {
  const auto* in = reinterpret_cast<const unsigned char*>(text.c_str());
  // Folding never lengthens a text.
  char* bytes = AllocateTextBytes(std::strlen(text.c_str()) + 1);
  char* out = bytes;
  while (*in != 0) {
    const unsigned char lead = *in;
    if (lead < 0x80) {
      *out++ = static_cast<char>(lead);
      ++in;
      continue;
    }
    const unsigned char trail = in[1];
    if (trail == 0) break;  // a lone lead byte at the end is dropped
    if (lead == 0xA1 && trail == 0xA1) {
      *out++ = ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      *out++ = '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      *out++ = '*';
    } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      *out++ = static_cast<char>(trail & 0x7F);
    } else {
      *out++ = static_cast<char>(lead);
      *out++ = static_cast<char>(trail);
    }
    in += 2;
  }
  *out = '\0';
  return Text::Adopt(bytes);
}

}  // namespace voralind
