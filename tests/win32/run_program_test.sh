#!/usr/bin/env bash
# The real voralind.exe under Wine on the current X display (with a window manager):
# the caption and the place are checked, inputs are typed with real X key events, the
# countdown must fill the greeting box, a screenshot is saved, and Esc must end the
# program with exit code 0.
# Usage: run_program_test.sh <voralind.exe> <wine-run.sh> <screenshot.png>
set -euo pipefail
program=$1
wine_run=$2
screenshot=$3
work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

"$wine_run" "$program" &
pid=$!

window=$(timeout 60 xdotool search --sync --name '^Voralind ' | head -n1) ||
  fail "no window captioned 'Voralind ...' appeared"
caption=$(xdotool getwindowname "$window")
echo "caption: $caption"
[[ "$caption" =~ ^Voralind\ [0-9]{1,4}年[0-9]{1,2}月[0-9]{1,2}日 ]] ||
  fail "the caption is not 'Voralind ' and today's date: $caption"

# Centred on the screen: ((width - 1056) / 2, (height - 466) / 2).
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window: ${WIDTH}x${HEIGHT} at $X,$Y on ${screen_width}x${screen_height}"
[ "$WIDTH" -eq 1056 ] && [ "$HEIGHT" -eq 466 ] || fail "outer size ${WIDTH}x${HEIGHT}"
[ "$X" -eq $(((screen_width - 1056) / 2)) ] && [ "$Y" -eq $(((screen_height - 466) / 2)) ] ||
  fail "not centred: $X,$Y"

# Fraction of dark pixels in the greeting box (client y 70 to 140, under the title bar).
greeting_ink() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "900x40+$((X + 20))+$((Y + 100))" -colorspace Gray \
    -threshold 50% -format '%[fx:1-mean]' info:
}
before=$(greeting_ink)

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
# The focus starts in the name box; Enter moves on once a box is filled.
xdotool type --delay 40 'Li Lei'
xdotool key Return
xdotool type --delay 40 '1990-05-03'
xdotool key Return
xdotool type --delay 40 '60'
sleep 2.5  # at least one tick of the one-second timer
after=$(greeting_ink)
echo "dark share of the greeting box: before $before, after $after"
awk -v b="$before" -v a="$after" 'BEGIN { exit !(b < 0.002 && a > 0.01) }' ||
  fail "the countdown did not write the greeting"

mkdir -p "$(dirname "$screenshot")"
convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$screenshot"
echo "screenshot: $screenshot"

xdotool key Escape
code=0
timeout 20 tail --pid="$pid" -f /dev/null || fail "Esc did not end the program"
wait "$pid" || code=$?
pid=""
[ "$code" -eq 0 ] || fail "exit code $code, expected 0"
echo "Esc ended the program with exit code 0"
