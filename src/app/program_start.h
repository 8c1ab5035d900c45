// The program's entry, one per window system.
#pragma once

namespace voralind {

// Prepares the window system and the floating-point state, builds the main window and runs
// the message loop until the window has been closed. Returns 0, the exit code of a run
// that ends with its window; a fatal error ends the process with -1 instead and never
// returns here. Called once by main.
int ProgramStart();

}  // namespace voralind
