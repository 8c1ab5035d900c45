// The thread's message loop.
#pragma once

namespace voralind {

// Takes messages from the queue and dispatches them, the window's own key handling first,
// until the quit request arrives; returns the code it carries (0 in this program).
// Example: after the main window is closed, RunMessageLoop() returns 0.
int RunMessageLoop();

// True once RunMessageLoop has been entered, for the rest of the process: from then on
// the destruction of the last main window asks the loop to end.
bool MessageLoopStarted() noexcept;

}  // namespace voralind
