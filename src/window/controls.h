// The controls of the main window, named as everywhere else in the program.
#pragma once

#include <array>
#include <cstddef>

namespace voralind {

// In description order: an earlier control lies on top of a later one where they overlap,
// and the order breaks ties in the tab order.
enum class Control {
  退休年龄编辑框,
  标签3,
  出生日期编辑框,
  标签2,
  姓名编辑框,
  标签1,
  今天时间编辑框,
  总退休时间编辑框,
  名称编辑框,
  时钟1,
};

inline constexpr std::size_t kControlCount = 10;

inline constexpr std::array<Control, kControlCount> kDescriptionOrder = {
    Control::退休年龄编辑框, Control::标签3,         Control::出生日期编辑框, Control::标签2,
    Control::姓名编辑框,     Control::标签1,         Control::今天时间编辑框, Control::总退休时间编辑框,
    Control::名称编辑框,     Control::时钟1,
};

constexpr std::size_t IndexOf(Control control) noexcept {
  return static_cast<std::size_t>(control);
}

}  // namespace voralind
