// An in-memory window for tests: holds each box's text and records every call in order.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "text/text.h"
#include "window/controls.h"
#include "window/window_port.h"

namespace voralind::test_support {

class FakeWindow final : public WindowPort {
 public:
  enum class Call { kReadBox, kWriteBox, kWriteCaption, kFocus };

  // One recorded call. `box` is unused for kWriteCaption; `text` is what was written
  // (empty for reads and focus changes) and `absent` tells an absent write from "".
  struct Event {
    Call call;
    Control box;
    std::string text;
    bool absent = false;
  };

  // Sets a box's text as if the user had typed it; not recorded.
  void SetBox(Control box, std::string text) { boxes_[IndexOf(box)] = std::move(text); }
  const std::string& Box(Control box) const { return boxes_[IndexOf(box)]; }
  const std::string& caption() const noexcept { return caption_; }
  std::optional<Control> focus() const noexcept { return focus_; }
  const std::vector<Event>& events() const noexcept { return events_; }
  void ClearEvents() { events_.clear(); }

  // Runs when a box loses the focus through FocusBox, before the focus moves on: lets a
  // test plug in the date box's normalising.
  void OnFocusLost(std::function<void(Control)> handler) { on_focus_lost_ = std::move(handler); }

  Text ReadBoxText(Control box) override {
    events_.push_back({Call::kReadBox, box, {}, false});
    const std::string& text = boxes_[IndexOf(box)];
    return text.empty() ? Text() : Text::Copy(text.c_str());
  }

  void WriteBoxText(Control box, TextRef text) override {
    events_.push_back({Call::kWriteBox, box, text.c_str(), text.absent()});
    boxes_[IndexOf(box)] = text.c_str();
  }

  void WriteCaption(TextRef text) override {
    events_.push_back({Call::kWriteCaption, Control::时钟1, text.c_str(), text.absent()});
    caption_ = text.c_str();
  }

  void FocusBox(Control box) override {
    events_.push_back({Call::kFocus, box, {}, false});
    if (focus_ && *focus_ != box && on_focus_lost_) on_focus_lost_(*focus_);
    focus_ = box;
  }

 private:
  std::array<std::string, kControlCount> boxes_{};
  std::string caption_;
  std::optional<Control> focus_;
  std::vector<Event> events_;
  std::function<void(Control)> on_focus_lost_;
};

}  // namespace voralind::test_support
