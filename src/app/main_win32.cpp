// Voralind on Windows: a retirement countdown in one small window.
#include <windows.h>

#include "app/program_start.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show*/) {
  return voralind::ProgramStart();
}
