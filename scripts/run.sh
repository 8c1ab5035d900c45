#!/usr/bin/env bash
# Builds Voralind on Debian 12, installing what is missing, and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/deps.sh
voralind_need run

# The program alone, in a build folder of its own: the tests have theirs (scripts/test.sh).
cmake -S . -B build-app -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORALIND_BUILD_TESTS=OFF
cmake --build build-app -j "$(nproc)" --target voralind

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available, so the window cannot be shown."
  echo "Start it on a virtual display instead:"
  echo "  sudo apt-get install xvfb && xvfb-run -a scripts/run.sh"
  exit 1
fi
exec build-app/voralind
