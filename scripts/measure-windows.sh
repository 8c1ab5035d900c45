#!/usr/bin/env bash
# Measures voralind.exe as built by scripts/test-windows.sh (build-mingw):
#   - its size on disk (statically linked: no DLLs beside it),
#   - the time under Wine from start until the window is shown with its caption: once
#     with no Wine session running (cold) and the median of 5 starts with one (warm).
# Runs on a private Xvfb display with openbox. Usage: scripts/measure-windows.sh [build dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-mingw}
runs=5

cmake -S "$root" -B "$build" --toolchain "$root/cmake/toolchains/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null 2>&1
cmake --build "$build" -j 2 --target voralind >/dev/null
program="$build/src/window/win32/voralind.exe"

source "$root/scripts/lib/virtual-display.sh"
export WINEPREFIX="$build/wineprefix"
work=$(mktemp -d)
pids=()
cleanup() {
  timeout 20 /usr/lib/wine/wineserver -k 2>/dev/null || true
  voralind_stop_started
  rm -rf "$work"
}
trap cleanup EXIT

voralind_start_display "$work"
timeout 300 "$root/scripts/wine-run.sh" --prepare
/usr/lib/wine/wineserver -k 2>/dev/null || true
sleep 1

# Appends to $1 the milliseconds from starting the program until its captioned window
# exists, then ends the program with Esc.
time_to_window() {
  local start end pid window
  start=$(date +%s%N)
  "$root/scripts/wine-run.sh" "$program" </dev/null >/dev/null 2>&1 &
  pid=$!
  until window=$(xdotool search --name '^Voralind ' 2>/dev/null); do sleep 0.005; done
  end=$(date +%s%N)
  echo $(((end - start) / 1000000)) >>"$1"
  sleep 0.5  # let it be shown before the key goes to it
  xdotool windowactivate --sync "$window" key Escape 2>/dev/null || true
  timeout 10 tail --pid="$pid" -f /dev/null || kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
median() { sort -n "$1" | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

time_to_window "$work/cold"
timeout 30 /usr/lib/wine/wineserver -w || true
/usr/lib/wine/wineserver -p60
timeout 120 "$root/scripts/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1
for _ in $(seq $runs); do time_to_window "$work/warm"; done
cold_ms=$(cat "$work/cold")
warm_ms=$(median "$work/warm")

size=$(stat -c %s "$program")
echo "voralind.exe: $size bytes ($((size / 1024)) KiB), statically linked"
echo "start-up under Wine until the captioned window exists: cold $cold_ms ms, warm $warm_ms ms (median of $runs)"
