#!/usr/bin/env bash
# Builds and runs every test of Voralind on Debian 12, installing what is missing:
#   1. the Linux build: core tests, window tests, Qt widget tests and the end-to-end test
#      of the real program under Xvfb;
#   2. the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the libFuzzer targets, each for a few seconds;
#   4. the Windows build (mingw-w64): core and Win32 tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/deps.sh
voralind_need test

jobs=$(nproc)
step() { printf '\n==== %s\n' "$*"; }

# Everything is also written to a log, so the closing summary can add up what each CTest
# run reported ("N% tests passed, F tests failed out of T").
mkdir -p build
log=build/test-log.txt
exec > >(tee "$log") 2>&1
summary() {
  local status=$?
  sleep 0.2
  awk '/tests passed, [0-9]+ tests? failed out of/ {
         for (i = 1; i <= NF; i++) { if ($i == "failed") f += $(i - 2); if ($i == "of") t += $(i + 1) }
       }
       END { printf "\n%d passed, %d failed\n", t - f, f }' "$log"
  exit "$status"
}
trap summary EXIT

step "Linux build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORALIND_BUILD_APP=ON \
  -DVORALIND_BUILD_TESTS=ON -DVORALIND_BUILD_BENCH=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

step "Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVORALIND_SANITIZE=ON -DVORALIND_BUILD_APP=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -L core

if [ -f fuzz/CMakeLists.txt ]; then
  step "Fuzzing (bounded runs)"
  scripts/fuzz.sh
fi

if [ -f cmake/toolchains/mingw-w64-x86_64.cmake ]; then
  step "Windows build and tests under Wine"
  scripts/test-windows.sh
fi

step "Done"
