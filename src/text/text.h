// Text values: NUL-terminated GBK byte strings that are absent, constant or owned.
//
// A `Text` is the program's one string type. It holds one of three things:
//   - nothing at all (the absent text, what an empty box reads as),
//   - a constant: one of the program's literals, referenced in place and never copied,
//   - an owned run of heap bytes, exactly length + 1 long, freed when its holder lets go.
// No length is stored: the length is the number of bytes before the first NUL. Every
// operation treats the absent text as the empty text "".
//
// Operations that only read texts take a `TextRef`, which binds to a `Text`, to a literal
// or other `const char*` (nullptr being the absent text), so callers never copy to call.
#pragma once

#include <cstddef>
#include <cstdint>

namespace voralind {

class Text;

// A borrowed view of a text: absent (nullptr) or NUL-terminated bytes owned elsewhere.
class TextRef {
 public:
  constexpr TextRef() noexcept = default;
  constexpr TextRef(std::nullptr_t) noexcept {}
  constexpr TextRef(const char* bytes) noexcept : bytes_(bytes) {}
  TextRef(const Text& text) noexcept;  // NOLINT: a Text is usable wherever a view is

  // True for the absent text; an empty text "" is not absent.
  constexpr bool absent() const noexcept { return bytes_ == nullptr; }
  // The bytes, "" for the absent text: always safe to read up to the NUL.
  constexpr const char* c_str() const noexcept { return bytes_ != nullptr ? bytes_ : ""; }
  // The bytes, or nullptr for the absent text.
  constexpr const char* data() const noexcept { return bytes_; }

 private:
  const char* bytes_ = nullptr;
};

// An owning, move-only text. Destroying (or `ReleaseText`-ing) an owned text frees its
// storage at once; releasing an absent or constant text does nothing.
class Text {
 public:
  // The absent text.
  constexpr Text() noexcept = default;
  constexpr Text(std::nullptr_t) noexcept {}
  // A constant text referring to a literal in place: `Text greeting = "...";` copies nothing.
  template <std::size_t N>
  constexpr Text(const char (&literal)[N]) noexcept : bytes_(literal) {}  // NOLINT

  Text(Text&& other) noexcept : bytes_(other.bytes_), owned_(other.owned_) {
    other.bytes_ = nullptr;
    other.owned_ = false;
  }
  Text& operator=(Text&& other) noexcept;
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text();

  // A constant text over bytes the caller guarantees to outlive it (the program's literals).
  static Text Constant(const char* literal) noexcept {
    Text text;
    text.bytes_ = literal;
    return text;
  }
  // Takes ownership of `bytes`, which must come from `AllocateTextBytes`.
  static Text Adopt(char* bytes) noexcept;
  // A new owned copy of `source` (absent stays absent).
  static Text Copy(TextRef source);

  bool absent() const noexcept { return bytes_ == nullptr; }
  bool owned() const noexcept { return owned_; }
  // The bytes, "" for the absent text.
  const char* c_str() const noexcept { return bytes_ != nullptr ? bytes_ : ""; }
  // The bytes, or nullptr for the absent text.
  const char* data() const noexcept { return bytes_; }
  // Bytes before the NUL; 0 for the absent text.
  std::size_t size() const noexcept;

 private:
  friend void ReleaseText(Text& text) noexcept;
  const char* bytes_ = nullptr;
  bool owned_ = false;
};

inline TextRef::TextRef(const Text& text) noexcept : bytes_(text.data()) {}

// Gives a text back now: an owned text's storage is freed, and `text` becomes absent.
// Absent and constant texts are only made absent. Destroying a Text does the same.
void ReleaseText(Text& text) noexcept;

namespace detail {
// Joins `count` pieces; `lengths` is scratch space for one length per piece.
Text JoinTexts(const TextRef* pieces, std::size_t* lengths, std::size_t count);
}  // namespace detail

// Joins one or more pieces into one new owned text (never absent). Each piece is measured
// once and the result is allocated in one request; the pieces are left as they were, and a
// piece may appear more than once. Absent pieces count as empty.
// Example: ConcatText("a", nullptr, "bc") is "abc"; ConcatText("") is an owned "".
template <typename... Pieces>
Text ConcatText(const Pieces&... pieces) {
  static_assert(sizeof...(Pieces) >= 1, "ConcatText joins at least one piece");
  const TextRef refs[] = {TextRef(pieces)...};
  std::size_t lengths[sizeof...(Pieces)];
  return detail::JoinTexts(refs, lengths, sizeof...(Pieces));
}

// Compares byte by byte as unsigned values: -1, 0 or +1. Absent equals empty, and a text
// that is a proper beginning of the other sorts first.
// Example: CompareText("\xB0\xA1" /* 啊 */, "a") is +1; CompareText(nullptr, "") is 0.
int32_t CompareText(TextRef a, TextRef b) noexcept;

// A working copy of `text` in which GBK full-width forms become their ASCII bytes:
// A1A1 -> blank, A1AB -> '~', A1EE and A1EF (the stars) -> '*', A3A1..A3FE -> the trail
// byte without its top bit. Every other two-byte pair is copied; a lead byte whose trail is
// the closing NUL is dropped. The absent text folds to an owned empty text.
// Example: FoldFullWidth("\xA3\xB6\xA3\xB0" /* ６０ */) is "60".
Text FoldFullWidth(TextRef text);

// True when a box text counts as filled in: it compares unequal to "" (one blank counts).
inline bool IsFilled(TextRef text) noexcept { return CompareText(text, "") != 0; }

}  // namespace voralind
