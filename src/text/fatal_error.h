// The single way the program stops on an error it cannot handle.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/text.h"

namespace voralind {

// Messages of the fatal errors the program can reach (GBK).
inline constexpr char kWindowDataUnreadableMessage[] =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
// 载入窗口模板数据段出错!
inline constexpr char kWindowLoadFailedMessage[] =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";  // 载入启动窗口失败
// Caption of the fatal-error box: 错误.
inline constexpr char kFatalErrorCaption[] = "\xB4\xED\xCE\xF3";

// The box text, at most this many bytes (longer messages are cut at a character boundary).
inline constexpr std::size_t kFatalErrorTextCapacity = 1024;

// Writes the fatal-error box text for `message` into `out` (capacity
// kFatalErrorTextCapacity) without touching the heap, and returns its length:
//   "运行时出错!\r\n"
//   "\r\n错误信息：" message "\r\n"      (only when message is present and not empty)
//   "\r\n" detail1 ", " detail2 "\r\n"    (the location of the failure; 0, 0 when none)
std::size_t BuildFatalErrorText(TextRef message, int32_t detail1, int32_t detail2,
                                char (&out)[kFatalErrorTextCapacity]) noexcept;

// Shows the box text to the user and returns once it has been dismissed. The default
// presenter writes the text to standard error; the shells install a modal message box.
using FatalErrorPresenter = void (*)(const char* box_text);
FatalErrorPresenter SetFatalErrorPresenter(FatalErrorPresenter presenter) noexcept;

// Builds the box text, shows it, and ends the process with exit code -1 without running
// at-exit work. Never returns.
[[noreturn]] void ReportFatalError(TextRef message, int32_t detail1 = 0,
                                   int32_t detail2 = 0) noexcept;

}  // namespace voralind
