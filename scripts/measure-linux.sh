#!/usr/bin/env bash
# Measures the Linux program against the smallest Qt 6 window built the same way:
#   - time from start until the window is shown with its caption (median of 5 starts),
#   - resident memory after a minute of ticking,
#   - CPU used over that minute, as a share of one core.
# Runs both on a private Xvfb display with openbox. Usage: scripts/measure-linux.sh [build dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-/tmp/build-measure}
runs=5
minute=60

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORALIND_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 --target voralind voralind_minimal_qt_window >/dev/null

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 2

# Milliseconds from starting $1 until a window whose name matches $2 exists.
time_to_window() {
  local program=$1 pattern=$2 start end pid
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --name "$pattern" >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

program="$build/voralind"
minimal="$build/voralind_minimal_qt_window"
program_ms=$(for _ in $(seq $runs); do time_to_window "$program" '^Voralind '; done | median)
minimal_ms=$(for _ in $(seq $runs); do time_to_window "$minimal" '^Minimal Qt window'; done | median)

# Both side by side for a minute, after they have settled.
"$program" >/dev/null 2>&1 &
program_pid=$!
pids+=($program_pid)
"$minimal" >/dev/null 2>&1 &
minimal_pid=$!
pids+=($minimal_pid)
sleep 5
program_ticks=$(cpu_ticks $program_pid)
minimal_ticks=$(cpu_ticks $minimal_pid)
sleep $minute
program_cpu=$(($(cpu_ticks $program_pid) - program_ticks))
minimal_cpu=$(($(cpu_ticks $minimal_pid) - minimal_ticks))
program_rss=$(rss_kib $program_pid)
minimal_rss=$(rss_kib $minimal_pid)
hz=$(getconf CLK_TCK)

percent() { awk -v t="$1" -v hz="$hz" -v s="$minute" 'BEGIN {printf "%.3f", 100 * t / hz / s}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

printf '%-28s %12s %12s %8s\n' "" "Voralind" "minimal Qt" "ratio"
printf '%-28s %12s %12s %8s\n' "start to window (ms, median)" "$program_ms" "$minimal_ms" \
  "$(ratio "$program_ms" "$minimal_ms")"
printf '%-28s %12s %12s %8s\n' "resident memory (KiB)" "$program_rss" "$minimal_rss" \
  "$(ratio "$program_rss" "$minimal_rss")"
printf '%-28s %12s %12s\n' "CPU over ${minute} s (% of a core)" "$(percent "$program_cpu")" \
  "$(percent "$minimal_cpu")"
