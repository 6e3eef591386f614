#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang in build-fuzz and runs each one for
# a bounded time. Usage: scripts/fuzz.sh [seconds per target, default 60]
# The seeds in fuzz/corpus/<target>/ are read, never written; what a run
# learns goes to build-fuzz/corpus/<target>/, and a crashing input to
# build-fuzz/artifacts/ (replay it with: build-fuzz/fuzz/<target> <file>).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVREL_FUZZ=ON -DTAVREL_TESTS=OFF -DTAVREL_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_readings fuzz_modes

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/artifacts"
status=0
for target in fuzz_readings fuzz_modes; do
  mkdir -p "$build/corpus/$target"
  echo "== $target: $seconds s"
  if ! "$build/fuzz/$target" "$build/corpus/$target" "fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" 2>"$build/$target.log"; then
    status=1
    echo "$target FAILED; log: $build/$target.log"
    grep -E "ERROR|invariant|SUMMARY" "$build/$target.log" | head -5 || true
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$target.log" || true
  echo "corpus: $(ls "$build/corpus/$target" | wc -l) inputs"
done
exit $status
