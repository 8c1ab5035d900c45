#include "window/win32/fatal_error_box.h"

#include <windows.h>

#include "text/fatal_error.h"

namespace voralind {

void ShowFatalErrorBox(const char* box_text) noexcept {
  // This runs when memory may be gone: the text is converted into fixed storage. A GBK
  // text never needs more UTF-16 units than it has bytes.
  static wchar_t wide[kFatalErrorTextCapacity + 1];
  const int units = MultiByteToWideChar(936, 0, box_text != nullptr ? box_text : "", -1, wide,
                                        static_cast<int>(kFatalErrorTextCapacity));
  wide[units > 0 ? units - 1 : 0] = L'\0';
  MessageBoxW(nullptr, wide, L"\x9519\x8BEF" /* 错误 */, MB_OK | MB_ICONERROR);
}

}  // namespace voralind
