// The Windows program's life: prepare, build the window, run the message loop.
#include <windows.h>

#include "app/floating_point.h"
#include "app/program_start.h"
#include "countdown/clock.h"
#include "text/fatal_error.h"
#include "window/win32/fatal_error_box.h"
#include "window/win32/main_window.h"
#include "window/win32/message_loop.h"

namespace voralind {

int ProgramStart() {
  // Fatal errors from here on are shown in a message box.
  SetFatalErrorPresenter(&ShowFatalErrorBox);
  // The window description is a constant table compiled into the program: there is no
  // data to load that could fail to be read.
  ResetFloatingPointEnvironment();

  // The clock lives as long as the window whose timer reads it.
  SystemClock clock;
  const MainWindowBuild build = BuildMainWindow(GetModuleHandleW(nullptr), clock);
  if (build.window == nullptr) {
    // The detail line names the failing control's place (0: the window itself) and the
    // system's error code.
    ReportFatalError(kWindowLoadFailedMessage, build.failed_control,
                     static_cast<int32_t>(build.error));
  }
  // Should the created event already have closed the window, there is nothing to wait for.
  if (!IsWindow(build.window)) return 0;
  return RunMessageLoop();
}

}  // namespace voralind
