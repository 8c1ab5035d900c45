// Box texts cross between the program (GB18030 bytes, GBK for its own texts) and the
// wide-character window API. The conversion never depends on the system's code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/text.h"

namespace voralind {

// The UTF-16 form of a GB18030 text; the absent and the empty text give "". A byte
// sequence that is no GB18030 character becomes U+FFFD, one per offending byte, and
// nothing past the closing NUL is read.
// Example: WideFromGb18030("\xC4\xEA" "1") is L"年1"; "\x95\x34\xB2\x35" is L"𠮷".
std::wstring WideFromGb18030(TextRef text);

// The GB18030 form of `wide`: a new owned text, or the absent text when `wide` is empty.
// Every code point has a GB18030 form; only a lone surrogate becomes '?'.
// Example: Gb18030FromWide(L"年1") is "\xC4\xEA" "1".
Text Gb18030FromWide(std::wstring_view wide);

// Number of code points in the first `units` UTF-16 units of `wide` (a surrogate pair is
// one code point, as its four-byte GB18030 sequence is one character).
// Example: CodePointsBefore(L"a𠮷b", 3) is 2.
int32_t CodePointsBefore(std::wstring_view wide, std::size_t units) noexcept;

// Number of UTF-16 units taken by the first `code_points` code points of `wide`; the
// length of `wide` when it holds fewer, 0 for a negative count.
// Example: UnitsBeforeCodePoint(L"a𠮷b", 2) is 3.
std::size_t UnitsBeforeCodePoint(std::wstring_view wide, int32_t code_points) noexcept;

namespace detail {
// The converters used where the system has no GB18030 code page (as under some versions
// of Wine): two-byte characters through code page 936, four-byte ones computed. Exposed
// so that tests can run them on any system.
std::wstring WideFromGb18030Fallback(std::string_view bytes);
std::string Gb18030FromWideFallback(std::wstring_view wide);
}  // namespace detail

}  // namespace voralind
