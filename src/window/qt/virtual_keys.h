// Qt key events translated into the program's key codes and modifier state.
#pragma once

#include <QKeyEvent>

#include "window/navigation.h"

namespace voralind {

// The virtual-key code of the key (not yet folded): Tab 9, Enter 13, Esc 27, the arrows
// 37-40, letters 65-90, digits 48-57, keypad digits 96-105, the keypad operators 106-111,
// F1-F24 112-135 and the punctuation keys by their physical key. Shifted symbols count as
// their key ('!' is the 1 key, 49). Shift+Tab, which Qt reports as Backtab, is Tab. A key
// with no code gives 0.
int32_t VirtualKeyOf(const QKeyEvent& event);

// The sum of kModCtrl, kModShift and kModAlt held for this key; a modifier key's own press
// does not count itself.
ModifierState ModifierStateOf(const QKeyEvent& event);

}  // namespace voralind
