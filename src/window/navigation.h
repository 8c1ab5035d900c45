// Keyboard navigation between the input boxes, and the window's own key handling.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "countdown/clock.h"
#include "window/controls.h"
#include "window/window_port.h"

namespace voralind {

// Virtual-key codes, the keypad folded onto the main keyboard.
using KeyCode = int32_t;
inline constexpr KeyCode kKeyTab = 9;
inline constexpr KeyCode kKeyEnter = 13;
inline constexpr KeyCode kKeyEsc = 27;
inline constexpr KeyCode kKeyLeft = 37;
inline constexpr KeyCode kKeyUp = 38;
inline constexpr KeyCode kKeyRight = 39;
inline constexpr KeyCode kKeyDown = 40;

// Sum of kModCtrl, kModShift, kModAlt held at the time of the key.
using ModifierState = int32_t;
inline constexpr ModifierState kModCtrl = 1;
inline constexpr ModifierState kModShift = 2;
inline constexpr ModifierState kModAlt = 4;

// Folds keypad virtual-key codes (VK_NUMPAD0..9 = 96..105, VK_SUBTRACT 109, VK_DECIMAL 110,
// VK_DIVIDE 111) onto 48..57, 189, 190 and 191; every other code is returned unchanged.
KeyCode FoldKeypad(int32_t virtual_key) noexcept;

// The controls Tab walks, derived from the description: visible, enabled tab stops that
// can take the focus, by tab-order key, equal keys from the last in description order to
// the first: 姓名编辑框, 出生日期编辑框, 退休年龄编辑框.
std::array<Control, 3> TabOrder() noexcept;

// The control Tab (forward) or Shift+Tab (!forward) moves to from `focused`. From a control
// outside the tab order, Tab goes to the first and Shift+Tab to the last of it.
Control NextInTabOrder(Control focused, bool forward) noexcept;

// Handler of the window's created event: focus to 姓名编辑框, then one CountdownRefresh.
void OnWindowCreated(WindowPort& window, Clock& clock);
// Key-down handler of 姓名编辑框: Enter with the name filled, or Left Arrow, moves on.
void OnNameKeyDown(WindowPort& window, KeyCode key, ModifierState modifiers);
// Key-down handler of 出生日期编辑框: Enter with name and date filled, or Left Arrow, moves on.
void OnBirthDateKeyDown(WindowPort& window, KeyCode key, ModifierState modifiers);

// What the shell does with a key after the program has seen it.
enum class KeyOutcome {
  Deliver,  // the key goes on to the control it was sent to, as if nothing had run
  Consumed, // the window used it (Tab, Shift+Tab); the control never sees it
  Close,    // Esc: the window is to be closed; the key is consumed
};

// The whole key path for a key pressed while `focused` has the focus: window level first
// (Tab, Shift+Tab, Esc without Ctrl and Alt), then the focused control's key-down handler.
// The shell then delivers the key to `focused` when the outcome is Deliver, even if the
// handler moved the focus.
KeyOutcome KeyDown(WindowPort& window, Control focused, KeyCode key, ModifierState modifiers);

// The control that had the focus when the window last became inactive.
class FocusMemory {
 public:
  // The window is becoming inactive while `focused` (if any) has the focus.
  void Deactivated(std::optional<Control> focused) noexcept;
  // The window receives the focus again: the remembered control (the record is cleared), or
  // 姓名编辑框, the first of the tab order, when none is remembered.
  Control Reactivated() noexcept;

 private:
  std::optional<Control> remembered_;
};

}  // namespace voralind
