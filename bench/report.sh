#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark with its side-by-side anchor and writes the combined
# table into the README's Performance section (between the perf markers).
# Usage: bench/report.sh [runs, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

bench/run.sh "$runs" >"$tmp/lines.md"
bench/save_print.sh "$runs" >"$tmp/files.md"

{
  echo "<!-- perf:begin (written by bench/report.sh on $(date -u +%Y-%m-%d)) -->"
  head -n 1 "$tmp/lines.md"
  echo
  grep '^|' "$tmp/lines.md"
  grep '^|' "$tmp/files.md" | tail -n +3
  echo
  echo "Save and Print: $(head -n 1 "$tmp/files.md" | sed 's/^Machine: [^;]*; //')"
  echo "<!-- perf:end -->"
} >"$tmp/section.md"

awk -v section="$tmp/section.md" '
  /<!-- perf:begin/ { while ((getline line < section) > 0) print line; skip = 1; next }
  /<!-- perf:end -->/ { skip = 0; next }
  !skip { print }' README.md >"$tmp/README.md"
cp "$tmp/README.md" README.md
cat "$tmp/section.md"
