// The fatal-error report on Win32: a modal message box owned by no window.
#pragma once

namespace voralind {

// Shows `box_text` (GBK) in a modal box captioned "错误" with the error icon and one OK
// button, and returns once the user has dismissed it. Installed with
// SetFatalErrorPresenter; ReportFatalError then ends the process with -1.
void ShowFatalErrorBox(const char* box_text) noexcept;

}  // namespace voralind
