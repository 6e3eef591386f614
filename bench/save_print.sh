#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times Save of 10^7 lines beside cat writing the same bytes to the same
# disk, and Print of 10^5 lines into a PDF. Usage: bench/save_print.sh [runs, default 5]
# BUILD_DIR chooses the build tree (default build-bench); OUT_DIR the folder
# written to (default a new folder under the build tree, so on its disk).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build=${BUILD_DIR:-build-bench}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_BENCH=ON >/dev/null
cmake --build "$build" --target save_print_bench >/dev/null
export QT_QPA_PLATFORM=offscreen
bench="$build/bench/save_print_bench"

out=${OUT_DIR:-$build/save-print-bench}
mkdir -p "$out"
tmp=$(mktemp -d -p "$out")
trap 'rm -rf "$tmp"' EXIT

now_ns() { date +%s%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

"$bench" lines 10000000 "$tmp/source.txt"
bytes=$(stat -c %s "$tmp/source.txt")
# In turn, so that a drift of the disk's speed touches both alike; each writes
# over the file of its previous run, as a repeated Save does.
for _ in $(seq "$runs"); do
  "$bench" save 10000000 "$tmp/saved.txt" >>"$tmp/save"
  start=$(now_ns)
  cat "$tmp/source.txt" >"$tmp/cat.txt"
  echo $(( ($(now_ns) - start) / 1000 )) | awk '{ printf "%.2f\n", $1 / 1000 }' >>"$tmp/cat"
done
cmp -s "$tmp/source.txt" "$tmp/saved.txt" || { echo "saved file differs from the expected bytes" >&2; exit 1; }
for _ in $(seq "$runs"); do "$bench" print 100000 "$tmp/list.pdf" 2>/dev/null >>"$tmp/print"; done

save=$(median <"$tmp/save")
cat_ms=$(median <"$tmp/cat")
print=$(median <"$tmp/print")
model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo "Machine: $(nproc) cores, ${model:-unknown CPU}; disk of $out ($(df -T "$out" | awk 'NR == 2 { print $2 }')); medians of $runs runs."
echo
echo "| Figure | Measured | Anchor | Goal | Verdict |"
echo "|---|---|---|---|---|"
awk -v s="$save" -v c="$cat_ms" -v b="$bytes" 'BEGIN {
  printf "| Save 10^7 lines (%.1f MB) | %.1f ms | cat %.1f ms (%.2f x) | <= 2 x cat | %s |\n", b / 1e6, s, c, s / c, (s <= 2 * c) ? "met" : "MISSED" }'
awk -v p="$print" 'BEGIN {
  printf "| Print 10^5 lines to PDF | %.0f ms | - | <= 2000 ms | %s |\n", p, (p <= 2000) ? "met" : "MISSED" }'
