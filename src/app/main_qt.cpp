// Voralind on Linux: a retirement countdown in one small window.
#include "app/program_start.h"

int main() { return voralind::ProgramStart(); }
