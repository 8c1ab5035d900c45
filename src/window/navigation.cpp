#include "window/navigation.h"

#include <algorithm>
#include <cstddef>

#include "countdown/countdown.h"
#include "text/text.h"
#include "window/window_description.h"

namespace voralind {
namespace {

bool InTabCycle(const ControlRecord& record) {
  // Labels and timers cannot take the focus, whatever their flags say.
  return record.kind == ControlKind::EditBox && record.visible && record.enabled && record.tab_stop;
}

// Reads a box only to test it, releasing the text at once.
bool BoxFilled(WindowPort& window, Control box) {
  Text text = window.ReadBoxText(box);
  const bool filled = IsFilled(text);
  ReleaseText(text);
  return filled;
}

}  // namespace

KeyCode FoldKeypad(int32_t virtual_key) noexcept {
  constexpr int32_t kNumpad0 = 96;
  constexpr int32_t kNumpad9 = 105;
  if (virtual_key >= kNumpad0 && virtual_key <= kNumpad9) return virtual_key - kNumpad0 + '0';
  switch (virtual_key) {
    case 109:
      return 189;  // keypad minus -> minus
    case 110:
      return 190;  // keypad decimal point -> full stop
    case 111:
      return 191;  // keypad divide -> slash
    default:
      return virtual_key;
  }
}

std::array<Control, 3> TabOrder() noexcept {
  const auto& controls = WindowDescription().controls;
  std::array<const ControlRecord*, kControlCount> cycle{};
  std::size_t count = 0;
  // Walking the description backwards and sorting stably by key puts equal keys from the
  // last in description order to the first.
  for (std::size_t i = kControlCount; i-- > 0;) {
    if (InTabCycle(controls[i])) cycle[count++] = &controls[i];
  }
  const auto end = cycle.begin() + static_cast<std::ptrdiff_t>(count);
  std::stable_sort(cycle.begin(), end, [](const ControlRecord* a, const ControlRecord* b) {
    return a->tab_order_key < b->tab_order_key;
  });
  std::array<Control, 3> order{};
  for (std::size_t i = 0; i < order.size() && i < count; ++i) order[i] = cycle[i]->id;
  return order;
}

Control NextInTabOrder(Control focused, bool forward) noexcept {
  const std::array<Control, 3> order = TabOrder();
  const auto found = std::find(order.begin(), order.end(), focused);
  if (found == order.end()) return forward ? order.front() : order.back();
  const auto at = static_cast<std::size_t>(found - order.begin());
  const std::size_t next =
      forward ? (at + 1) % order.size() : (at + order.size() - 1) % order.size();
  return order[next];
}

void OnWindowCreated(WindowPort& window, Clock& clock) {
  window.FocusBox(Control::姓名编辑框);
  CountdownRefresh(window, clock);
}

void OnNameKeyDown(WindowPort& window, KeyCode key, ModifierState /*modifiers*/) {
  const bool filled = BoxFilled(window, Control::姓名编辑框);
  if ((filled && key == kKeyEnter) || key == kKeyLeft) window.FocusBox(Control::出生日期编辑框);
}

void OnBirthDateKeyDown(WindowPort& window, KeyCode key, ModifierState /*modifiers*/) {
  const bool name_filled = BoxFilled(window, Control::姓名编辑框);
  // The date box is read only when the name is there; the test is on the text as typed,
  // before the box is normalised by losing the focus.
  const bool date_filled = name_filled && BoxFilled(window, Control::出生日期编辑框);
  if ((name_filled && date_filled && key == kKeyEnter) || key == kKeyLeft) {
    window.FocusBox(Control::退休年龄编辑框);
  }
}

KeyOutcome KeyDown(WindowPort& window, Control focused, KeyCode key, ModifierState modifiers) {
  const bool shift = (modifiers & kModShift) != 0;
  // The window's own keys count only without Ctrl and Alt; with them the key goes on to the
  // handlers and the box like any other.
  if ((modifiers & (kModCtrl | kModAlt)) == 0) {
    if (key == kKeyTab) {
      window.FocusBox(NextInTabOrder(focused, !shift));
      return KeyOutcome::Consumed;
    }
    if (key == kKeyEsc && !shift) return KeyOutcome::Close;
  }
  switch (focused) {
    case Control::姓名编辑框:
      OnNameKeyDown(window, key, modifiers);
      break;
    case Control::出生日期编辑框:
      OnBirthDateKeyDown(window, key, modifiers);
      break;
    default:
      break;  // the other controls have no key-down handler
  }
  // A handler never consumes the key: it still reaches `focused`, even when the handler
  // has just moved the focus away from it.
  return KeyOutcome::Deliver;
}

void FocusMemory::Deactivated(std::optional<Control> focused) noexcept { remembered_ = focused; }

Control FocusMemory::Reactivated() noexcept {
  const std::optional<Control> remembered = remembered_;
  remembered_.reset();
  return remembered.value_or(TabOrder().front());
}

}  // namespace voralind
