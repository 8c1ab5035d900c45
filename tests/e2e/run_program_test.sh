#!/usr/bin/env bash
# Starts the program on its own Xvfb display under openbox, fills in the three inputs with
# real key events, checks the caption and the window's place and size, saves a screenshot
# of the filled-in window, closes it with Esc and checks the exit code.
# Usage: run_program_test.sh <path to voralind> <screenshot.png>
set -uo pipefail
program=$1
screenshot=$2

work=$(mktemp -d)
xvfb_pid="" wm_pid="" app_pid=""
cleanup() {
  for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls `$@` every 0.1 s for at most $1 seconds; succeeds as soon as it does.
wait_for() {
  local tenths=$(($1 * 10))
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Xvfb picks a free display number itself and writes it to the given descriptor.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"

openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_for 10 xprop -root -notype _NET_SUPPORTING_WM_CHECK ||
  fail "openbox did not start: $(cat "$work/openbox.log")"
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
  fail "openbox did not take over the display"

"$program" >"$work/program.log" 2>&1 &
app_pid=$!
wait_for 15 xdotool search --name '^Voralind ' || fail "no window: $(cat "$work/program.log")"
window=$(xdotool search --name '^Voralind ' | head -n1)
# The frame is known once openbox has decorated the window; the program then fits itself.
wait_for 10 sh -c "xprop -id $window _NET_FRAME_EXTENTS | grep -q '='" || fail "no frame"
sleep 1.5

# Outer size 1056 x 466 including the frame, centred: (1920 - 1056) / 2, (1080 - 466) / 2.
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
  sed 's/.*= //; s/,//g')
x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
w=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
h=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
outer="$((x - left)),$((y - top)) $((w + left + right))x$((h + top + bottom))"
[ "$outer" = "432,307 1056x466" ] || fail "outer frame at $outer, expected 432,307 1056x466"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "window not on top"

# The focus starts in the name box; Enter moves on once a box is filled.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool type --delay 60 '张三'
xdotool key --delay 60 Return
xdotool type --delay 60 '1990-05-03'
xdotool key --delay 60 Return
xdotool type --delay 60 '60'
sleep 2

caption=$(xprop -id "$window" -notype _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
echo "caption: $caption"
[[ "$caption" =~ ^Voralind\ [0-9]+年[0-9]+月[0-9]+日 ]] || fail "caption is '$caption'"

import -window root -crop "1056x466+432+307" +repage "$screenshot" ||
  fail "no screenshot"
echo "screenshot: $screenshot"

xdotool key Escape
for ((i = 0; i < 100; i++)); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "Esc did not end the program"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "exit code $status, expected 0: $(cat "$work/program.log")"
echo "PASS"
