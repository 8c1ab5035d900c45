#include "window/win32/message_loop.h"

#include <windows.h>

#include "window/win32/main_window.h"

namespace voralind {
namespace {

bool g_loop_started = false;

}  // namespace

int RunMessageLoop() {
  g_loop_started = true;
  MSG message{};
  // GetMessageW returns 0 only for the quit request; with no window filter it cannot fail.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Keys pass through the window first; the dialog manager is not used, as it would do
    // its own Tab and Enter handling.
    if (PreTranslateWindowKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

bool MessageLoopStarted() noexcept { return g_loop_started; }

}  // namespace voralind
