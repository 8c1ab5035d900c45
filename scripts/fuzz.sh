#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# and runs each for a bounded time on a copy of its seed corpus (fuzz/corpus/<name>).
# Fails on the first crash, sanitizer report or failed check.
#   VORALIND_FUZZ_SECONDS  seconds per target (default 15)
#   VORALIND_FUZZ_BUILD    build directory (default build-fuzz in the repository)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${VORALIND_FUZZ_SECONDS:-15}
build=${VORALIND_FUZZ_BUILD:-build-fuzz}
# name of the corpus folder, target, extra libFuzzer options
fuzzers=(
  "parse_date_time parse_date_time_fuzzer -max_len=64"
  "date_text_round_trip date_text_round_trip_fuzzer -max_len=8"
)

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORALIND_BUILD_FUZZ=ON -DVORALIND_BUILD_TESTS=OFF -DVORALIND_BUILD_APP=OFF
cmake --build "$build" -j "$(nproc)" --target parse_date_time_fuzzer date_text_round_trip_fuzzer

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for entry in "${fuzzers[@]}"; do
  read -r corpus target options <<<"$entry"
  # The fuzzer adds what it finds to the corpus folder: work on a copy.
  cp -r "fuzz/corpus/$corpus" "$work/$corpus"
  echo "== $target for ${seconds}s"
  # shellcheck disable=SC2086 # options are separate words on purpose
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/" $options "$work/$corpus" >"$work/$target.log" 2>&1; then
    tail -n 60 "$work/$target.log"
    for artifact in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
      if [ -e "$artifact" ]; then
        echo "input $(basename "$artifact"):"
        od -An -tx1 "$artifact" | head -n 4
      fi
    done
    echo "$target failed" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$work/$target.log" || true
done
echo "Fuzzing found nothing."
