# Sourced by the scripts that need a screen: starts Xvfb on a display number it picks
# itself (so it never takes one that is in use) with openbox as window manager, exports
# DISPLAY and adds both processes to the caller's `pids` array for its clean-up.
# Usage: voralind_start_display WORKDIR
voralind_start_display() {
  local work=$1
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log" >&2
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -n1 "$work/display")"
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
}

# Ends every process in the caller's `pids` array (the display, its window manager and
# whatever else the caller added) and waits for them.
voralind_stop_started() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
