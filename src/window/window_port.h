// The four operations through which the rest of the program touches the window.
#pragma once

#include "text/text.h"
#include "window/controls.h"

namespace voralind {

// Implemented by each shell (and by an in-memory window in tests). All calls happen on the
// user-interface thread.
class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // A new text with the box's whole text, byte for byte (GBK), or the absent text when the
  // box is empty. Changes nothing: no focus, caret, selection or event.
  virtual Text ReadBoxText(Control box) = 0;
  // Replaces the whole text of the box; absent and empty both empty it. CR LF starts a new
  // line in a box of several lines. Runs no date-box normalising and moves no focus.
  virtual void WriteBoxText(Control box, TextRef text) = 0;
  // Replaces the title-bar text of the main window; absent leaves it empty.
  virtual void WriteCaption(TextRef text) = 0;
  // Gives the keyboard focus to the box. The box losing the focus runs its focus-loss
  // behaviour first (NormaliseDateBox for 出生日期编辑框) before this returns.
  virtual void FocusBox(Control box) = 0;
};

}  // namespace voralind
