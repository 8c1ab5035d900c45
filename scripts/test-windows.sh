#!/usr/bin/env bash
# The Windows part of the test command: cross-builds everything with mingw-w64 into
# build-mingw and runs all of its tests under Wine on a private Xvfb display with
# openbox: the core tests, the Win32 window tests and the end-to-end test of
# voralind.exe. Every process it starts is ended on the way out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=build-mingw
jobs=$(nproc)
[ "$jobs" -gt 2 ] || jobs=2

cmake -S . -B "$build" --toolchain cmake/toolchains/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release
timeout 900 cmake --build "$build" -j "$jobs"

source scripts/lib/virtual-display.sh
export WINEPREFIX="$root/$build/wineprefix"
work=$(mktemp -d)
pids=()
cleanup() {
  # Wine's processes of this prefix first, then the display and its window manager.
  timeout 20 /usr/lib/wine/wineserver -k 2>/dev/null || true
  voralind_stop_started
  rm -rf "$work"
}
trap cleanup EXIT

voralind_start_display "$work"

# The prefix is made once (wineboot, font replacements). A persistent wineserver then
# saves every test its start-up; its session is started here, with Wine's own background
# processes cut off from CTest's pipes, which they would otherwise hold open.
timeout 300 scripts/wine-run.sh --prepare
/usr/lib/wine/wineserver -p60
timeout 120 scripts/wine-run.sh cmd /c exit </dev/null >/dev/null 2>&1

timeout 480 ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 180
