#!/usr/bin/env bash
# Measures the Linux program against the smallest Qt 6 window built the same way:
#   - time from start until the window is shown (mapped) with its caption: median and
#     fastest of 11 starts, each program started alternately so both see the same load,
#   - resident memory after a minute of ticking (and how much of it is mapped files),
#   - CPU used over that minute, as a share of one core and in clock ticks; then once more
#     for a minute with the boxes filled in, when the timer rewrites the output boxes.
# Runs both on a private Xvfb display with openbox. Usage: scripts/measure-linux.sh [build dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-/tmp/build-measure}
runs=11
minute=60

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORALIND_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 --target voralind voralind_minimal_qt_window >/dev/null

source "$root/scripts/lib/virtual-display.sh"
work=$(mktemp -d)
pids=()
cleanup() {
  voralind_stop_started
  rm -rf "$work"
}
trap cleanup EXIT

voralind_start_display "$work"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
sleep 2

# Milliseconds from starting $1 until a mapped window whose name matches $2 exists.
time_to_window() {
  local program=$1 pattern=$2 start end pid
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do sleep 0.002; done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
fastest() { sort -n | head -n1; }

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
rss_file_kib() { awk '/^RssFile/ {print $2}' "/proc/$1/status"; }

program="$build/voralind"
minimal="$build/voralind_minimal_qt_window"
for _ in $(seq $runs); do
  time_to_window "$program" '^Voralind ' >>"$work/program_ms"
  time_to_window "$minimal" '^Minimal Qt window' >>"$work/minimal_ms"
done
program_ms=$(median <"$work/program_ms")
minimal_ms=$(median <"$work/minimal_ms")
program_fastest_ms=$(fastest <"$work/program_ms")
minimal_fastest_ms=$(fastest <"$work/minimal_ms")

# Both side by side for a minute, after they have settled. The program starts last and is
# made the active window, so the caret blinks in its name box as it does for its user.
"$minimal" >/dev/null 2>&1 &
minimal_pid=$!
pids+=($minimal_pid)
sleep 1
"$program" >/dev/null 2>&1 &
program_pid=$!
pids+=($program_pid)
until xdotool search --onlyvisible --name '^Voralind ' >/dev/null 2>&1; do sleep 0.05; done
window=$(xdotool search --onlyvisible --name '^Voralind ' | head -n1)
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 5
program_ticks=$(cpu_ticks $program_pid)
minimal_ticks=$(cpu_ticks $minimal_pid)
sleep $minute
program_cpu=$(($(cpu_ticks $program_pid) - program_ticks))
minimal_cpu=$(($(cpu_ticks $minimal_pid) - minimal_ticks))
program_rss=$(rss_kib $program_pid)
minimal_rss=$(rss_kib $minimal_pid)
program_rss_file=$(rss_file_kib $program_pid)
minimal_rss_file=$(rss_file_kib $minimal_pid)

# A minute more with a name, a date of birth and an age typed in: each tick now also
# rewrites the greeting, the report and today's date.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool type --delay 40 'Li'
xdotool key Return
xdotool type --delay 40 '1990-05-03'
xdotool key Return
xdotool type --delay 40 '60'
sleep 5
filled_ticks=$(cpu_ticks $program_pid)
sleep $minute
filled_cpu=$(($(cpu_ticks $program_pid) - filled_ticks))
hz=$(getconf CLK_TCK)

percent() { awk -v t="$1" -v hz="$hz" -v s="$minute" 'BEGIN {printf "%.3f", 100 * t / hz / s}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

printf '%-36s %12s %12s %8s\n' "" "Voralind" "minimal Qt" "ratio"
printf '%-36s %12s %12s %8s\n' "start to window (ms, median of $runs)" "$program_ms" "$minimal_ms" \
  "$(ratio "$program_ms" "$minimal_ms")"
printf '%-36s %12s %12s %8s\n' "start to window (ms, fastest)" "$program_fastest_ms" \
  "$minimal_fastest_ms" "$(ratio "$program_fastest_ms" "$minimal_fastest_ms")"
printf '%-36s %12s %12s %8s\n' "resident memory (KiB)" "$program_rss" "$minimal_rss" \
  "$(ratio "$program_rss" "$minimal_rss")"
printf '%-36s %12s %12s\n' "  of which mapped files (KiB)" "$program_rss_file" "$minimal_rss_file"
printf '%-36s %12s %12s\n' "CPU over ${minute} s, empty (% of a core)" "$(percent "$program_cpu")" \
  "$(percent "$minimal_cpu")"
printf '%-36s %12s %12s\n' "  in clock ticks (${hz} a second)" "$program_cpu" "$minimal_cpu"
printf '%-36s %12s\n' "CPU over ${minute} s, filled (% of a core)" "$(percent "$filled_cpu")"
printf '%-36s %12s\n' "  in clock ticks (${hz} a second)" "$filled_cpu"
