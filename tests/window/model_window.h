// An in-memory main window that behaves like the real one where navigation can tell:
// it knows which box has the focus, keeps each box's caret and selection (in characters),
// runs the date box's rewrite whenever that box loses the focus, and passes keys through
// the program's key path before delivering them to the box they were sent to.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "countdown/clock.h"
#include "text/text.h"
#include "window/date_box.h"
#include "window/navigation.h"
#include "window/window_description.h"
#include "window/window_port.h"

namespace voralind::test_support {

class ModelWindow final : public WindowPort {
 public:
  struct Box {
    std::string text;    // GBK bytes
    int32_t caret = 0;   // characters
    int32_t anchor = 0;  // where the selection began; == caret for an empty selection
    int32_t text_changes = 0;
  };

  ModelWindow() {
    for (const ControlRecord& record : WindowDescription().controls) {
      if (record.text != nullptr) box(record.id).text = record.text;
    }
  }

  // --- The four window operations ---
  Text ReadBoxText(Control control) override {
    const std::string& text = box(control).text;
    return text.empty() ? Text() : Text::Copy(text.c_str());
  }
  void WriteBoxText(Control control, TextRef text) override { SetText(control, text.c_str()); }
  void WriteCaption(TextRef text) override { caption_ = text.c_str(); }
  void FocusBox(Control control) override {
    if (focus_ == control) return;
    LoseFocus();
    focus_ = control;
  }

  // --- What the user does ---
  // Types `text` into the focused box at its caret, replacing any selection, as typing
  // does; bypasses the key path (for setting up a case).
  void Type(const std::string& text) {
    ASSERT_TRUE(focus_.has_value());
    Box& target = box(*focus_);
    const int32_t from = std::min(target.caret, target.anchor);
    const int32_t to = std::max(target.caret, target.anchor);
    const std::size_t begin = ByteOffset(target.text, from);
    target.text.replace(begin, ByteOffset(target.text, to) - begin, text);
    target.caret = target.anchor = from + CharacterCount(text.c_str());
    ++target.text_changes;
  }

  // Presses a key (each automatic repeat is another press). `typed` is the character a
  // printable key enters in the box it reaches.
  KeyOutcome Press(KeyCode key, ModifierState modifiers = 0, char typed = '\0') {
    const Control sent_to = *focus_;
    const KeyOutcome outcome = KeyDown(*this, sent_to, key, modifiers);
    if (outcome == KeyOutcome::Close) {
      LoseFocus();
      closed_ = true;
    } else if (outcome == KeyOutcome::Deliver) {
      Deliver(sent_to, key, typed);
    }
    return outcome;
  }

  // Clicks into a box: the focus moves there, the caret to `caret`.
  void Click(Control control, int32_t caret) {
    FocusBox(control);
    box(control).caret = box(control).anchor = caret;
  }

  // Selects characters [anchor, caret) of the focused box.
  void Select(int32_t anchor, int32_t caret) {
    box(*focus_).anchor = anchor;
    box(*focus_).caret = caret;
  }

  // Another application becomes active, then this window again.
  void Deactivate() {
    memory_.Deactivated(focus_);
    LoseFocus();
  }
  void Activate() { FocusBox(memory_.Reactivated()); }

  // --- What the test looks at ---
  Box& box(Control control) { return boxes_[IndexOf(control)]; }
  const std::string& text(Control control) { return box(control).text; }
  std::optional<Control> focus() const { return focus_; }
  const std::string& caption() const { return caption_; }
  bool closed() const { return closed_; }

 private:
  static std::size_t ByteOffset(const std::string& text, int32_t characters) {
    return ByteOffsetOfCharacter(text.c_str(), characters);
  }

  void SetText(Control control, const std::string& text) {
    Box& target = box(control);
    target.text = text;
    target.caret = target.anchor = CharacterCount(text.c_str());
    ++target.text_changes;
  }

  // The focused box loses the focus; the date box rewrites itself first.
  void LoseFocus() {
    if (focus_ == Control::出生日期编辑框) {
      Box& date = box(Control::出生日期编辑框);
      std::optional<DateBoxRewrite> rewrite =
          NormaliseDateBox(date.text.c_str(), std::min(date.caret, date.anchor));
      if (rewrite) {
        date.text = rewrite->text.c_str();
        date.caret = date.anchor = rewrite->caret;
        ++date.text_changes;
      }
    }
    focus_.reset();
  }

  void Deliver(Control target, KeyCode key, char typed) {
    Box& receiving = box(target);
    const int32_t length = CharacterCount(receiving.text.c_str());
    if (key == kKeyLeft) {
      receiving.caret = receiving.anchor = std::max(0, receiving.caret - 1);
    } else if (key == kKeyRight) {
      receiving.caret = receiving.anchor = std::min(length, receiving.caret + 1);
    } else if (typed != '\0' && RecordOf(target).input_mode != InputMode::ReadOnly) {
      const std::optional<Control> focused = focus_;
      focus_ = target;
      Type(std::string(1, typed));
      focus_ = focused;
    }
  }

  std::array<Box, kControlCount> boxes_{};
  std::optional<Control> focus_;
  std::string caption_;
  bool closed_ = false;
  FocusMemory memory_;
};

}  // namespace voralind::test_support
