#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Tavrel twice (the presets dev, and
# sanitizers with AddressSanitizer + UndefinedBehaviorSanitizer) and runs every
# test headless. The dev build compiles the benchmarks too, and a clang build
# (the preset fuzz) compiles the fuzz targets and replays their seeds, so
# neither can rot unnoticed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

# One style, as .clang-format sets it (clang-format 14, Debian 12's): a file
# that strays fails the run before anything is built.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp

# The presets in CMakePresets.json stop the configure when a test tool is
# missing, so that no test is left out here.
run_suite() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
}

# --- print queue for cups_print_test: begin ---
# A CUPS queue that writes PDFs becomes the default printer while the tests
# run. As root (CI) the test must find it; elsewhere it skips.
cups_out=$(mktemp -d)
trap 'tests/print/cups-queue.sh stop "$cups_out"; rm -rf "$cups_out"' EXIT
eval "$(tests/print/cups-queue.sh start "$cups_out")"
if [ "$(id -u)" -eq 0 ]; then export TAVREL_REQUIRE_CUPS=1; fi
# --- print queue for cups_print_test: end ---

# The fuzz targets: built and run over their seeds only (no search).
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in fuzz_readings fuzz_modes; do
  "build-fuzz/fuzz/$target" -runs=0 "fuzz/corpus/$target" 2>&1 | tail -n 1
done

run_suite dev
run_suite sanitizers
