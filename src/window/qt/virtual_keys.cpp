#include "window/qt/virtual_keys.h"

namespace voralind {
namespace {

// Symbols typed with Shift on the usual keyboard, by the key they are on.
int32_t ShiftedSymbolKey(int key) {
  switch (key) {
    case Qt::Key_Exclam:
      return '1';
    case Qt::Key_At:
      return '2';
    case Qt::Key_NumberSign:
      return '3';
    case Qt::Key_Dollar:
      return '4';
    case Qt::Key_Percent:
      return '5';
    case Qt::Key_AsciiCircum:
      return '6';
    case Qt::Key_Ampersand:
      return '7';
    case Qt::Key_Asterisk:
      return '8';
    case Qt::Key_ParenLeft:
      return '9';
    case Qt::Key_ParenRight:
      return '0';
    case Qt::Key_Underscore:
      return 189;
    case Qt::Key_Plus:
      return 187;
    case Qt::Key_Colon:
      return 186;
    case Qt::Key_QuoteDbl:
      return 222;
    case Qt::Key_Less:
      return 188;
    case Qt::Key_Greater:
      return 190;
    case Qt::Key_Question:
      return 191;
    case Qt::Key_AsciiTilde:
      return 192;
    case Qt::Key_BraceLeft:
      return 219;
    case Qt::Key_Bar:
      return 220;
    case Qt::Key_BraceRight:
      return 221;
    default:
      return 0;
  }
}

int32_t KeypadKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Asterisk:
      return 106;
    case Qt::Key_Plus:
      return 107;
    case Qt::Key_Minus:
      return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
      return 110;  // the decimal key
    case Qt::Key_Slash:
      return 111;
    case Qt::Key_Enter:
      return 13;
    default:
      return -1;  // not a keypad key of its own: the main-keyboard code applies
  }
}

}  // namespace

int32_t VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (event.modifiers().testFlag(Qt::KeypadModifier)) {
    const int32_t keypad = KeypadKey(key);
    if (keypad >= 0) return keypad;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // 65..90, as the codes are
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // 48..57
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Print:
      return 44;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Menu:
      return 93;
    case Qt::Key_NumLock:
      return 144;
    case Qt::Key_ScrollLock:
      return 145;
    case Qt::Key_Semicolon:
      return 186;
    case Qt::Key_Equal:
      return 187;
    case Qt::Key_Comma:
      return 188;
    case Qt::Key_Minus:
      return 189;
    case Qt::Key_Period:
      return 190;
    case Qt::Key_Slash:
      return 191;
    case Qt::Key_QuoteLeft:
      return 192;
    case Qt::Key_BracketLeft:
      return 219;
    case Qt::Key_Backslash:
      return 220;
    case Qt::Key_BracketRight:
      return 221;
    case Qt::Key_Apostrophe:
      return 222;
    default:
      return ShiftedSymbolKey(key);
  }
}

ModifierState ModifierStateOf(const QKeyEvent& event) {
  Qt::KeyboardModifiers held = event.modifiers();
  // Some platforms already count a modifier key in its own press: take it out.
  switch (event.key()) {
    case Qt::Key_Control:
      held &= ~Qt::KeyboardModifiers(Qt::ControlModifier);
      break;
    case Qt::Key_Shift:
      held &= ~Qt::KeyboardModifiers(Qt::ShiftModifier);
      break;
    case Qt::Key_Alt:
      held &= ~Qt::KeyboardModifiers(Qt::AltModifier);
      break;
    default:
      break;
  }
  ModifierState state = 0;
  if (held.testFlag(Qt::ControlModifier)) state += kModCtrl;
  if (held.testFlag(Qt::ShiftModifier)) state += kModShift;
  if (held.testFlag(Qt::AltModifier)) state += kModAlt;
  return state;
}

}  // namespace voralind
