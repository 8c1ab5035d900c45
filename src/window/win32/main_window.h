// The program's window on Win32: built from the window description, driven by messages,
// and reached by the rest of the program only through WindowPort.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "countdown/clock.h"
#include "window/controls.h"
#include "window/window_port.h"

namespace voralind {

// The outcome of building the window: the window, or which part could not be created.
struct MainWindowBuild {
  HWND window = nullptr;
  // When `window` is null: the failing control's place in the description (1 to 10), or 0
  // when the window itself could not be created; and the system's error code.
  int32_t failed_control = 0;
  DWORD error = 0;
};

// Builds the main window and its controls, raises the created event (focus to 姓名编辑框,
// one countdown refresh, so the caption is written before the window is first shown),
// then shows and activates it. The window is top-most, 1056 x 466 outside, centred on the
// primary screen. `clock` must outlive the window: every tick of 时钟1 reads it.
MainWindowBuild BuildMainWindow(HINSTANCE instance, Clock& clock);

// The window operations of a main window built by BuildMainWindow, null for other windows.
WindowPort* PortOf(HWND window) noexcept;

// The control window `control` of a main window (null for 时钟1, which has no window).
HWND ControlWindow(HWND main_window, Control control) noexcept;

// Which control of a main window `child` is, if it is one.
std::optional<Control> ControlOf(HWND child) noexcept;

// Runs the window's own key handling for a key message taken from the queue, before it is
// dispatched: Tab, Shift+Tab and Esc at window level, then the focused input box's
// key-down handler. True when the key is consumed and must not be dispatched; false when
// it goes on to the control it was sent to (also for every message that is not a key
// press in a control of a main window).
bool PreTranslateWindowKey(const MSG& message);

}  // namespace voralind
