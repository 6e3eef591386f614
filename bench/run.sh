#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and prints a Markdown table of the figures beside
# their anchors and goals. Usage: bench/run.sh [runs, default 5]
# BUILD_DIR chooses the build tree (default build-bench). Needs only the
# build tools, awk and an offscreen Qt platform: no display.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build=${BUILD_DIR:-build-bench}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_BENCH=ON >/dev/null
cmake --build "$build" --target core_bench e2e_multiples >/dev/null
export QT_QPA_PLATFORM=offscreen

now_ns() { date +%s%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3g", a / b }'; }
verdict() { awk -v v="$1" -v g="$2" 'BEGIN { print (v <= g) ? "met" : "MISSED" }'; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# awk writing the ten million lines the view shows, the anchor for showing them.
for _ in $(seq "$runs"); do
  start=$(now_ns)
  awk 'BEGIN{for(k=1;k<=10000000;k++) print k " x 7 = " 7*k}' >/dev/null
  echo $(( ($(now_ns) - start) / 1000 )) | awk '{ printf "%.2f\n", $1 / 1000 }' >>"$tmp/awk"
done
awk_ms=$(median <"$tmp/awk")

# Through the real widgets, one process per run; "r" is a range of 50..100.
cases="1000000 10000000 2147483647 2147483647r"
for c in $cases; do
  args=${c%r}; [ "$c" != "$args" ] && args="$args 50 100"
  # shellcheck disable=SC2086
  for _ in $(seq "$runs"); do "$build/bench/e2e_multiples" $args 2>/dev/null >>"$tmp/e2e-$c"; done
done
e2e() { awk -v k="$2" '$1 == k { print $2 }' "$tmp/e2e-$1" | median; }

# Google Benchmark for the core's own figures (median of repetitions).
"$build/bench/core_bench" --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null >"$tmp/gbench.csv"
gb() { awk -F, -v n="\"$1_median\"" '$1 == n { print $3 " " $5 }' "$tmp/gbench.csv"; }  # real_time unit
gb_us() { gb "$1" | awk '{ t = $1; if ($2 == "ns") t /= 1000; if ($2 == "ms") t *= 1000; printf "%.2f\n", t }'; }
gb_ns() { gb "$1" | awk '{ t = $1; if ($2 == "us") t *= 1000; if ($2 == "ms") t *= 1e6; printf "%.1f\n", t }'; }

limit7=$(awk -v a="$awk_ms" 'BEGIN { v = 0.05 * a; printf "%.2f", v < 50 ? v : 50 }')
row() {  # label, measured, unit, anchor, goal text, goal value
  echo "| $1 | $2 $3 | $4 | $5 | $(if [ "$6" = - ]; then echo -; else verdict "$2" "$6"; fi) |"
}

model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo "Machine: $(nproc) cores, ${model:-unknown CPU}; medians of $runs runs."
echo
echo "| Figure | Measured | Anchor | Goal | Verdict |"
echo "|---|---|---|---|---|"
row "Find Multiples, 10^7 lines, Enter to shown" "$(e2e 10000000 enter_ms)" ms "awk $awk_ms ms ($(ratio "$(e2e 10000000 enter_ms)" "$awk_ms") x)" "<= 50 ms and <= 0.05 x awk" "$limit7"
row "Resident memory growth, 10^7 lines" "$(e2e 10000000 rss_growth_mib)" MiB - "<= 20 MiB" 20
row "Find Multiples, 2147483647 lines, Enter to shown" "$(e2e 2147483647 enter_ms)" ms - "<= 100 ms" 100
row "Resident memory growth, 2147483647 lines" "$(e2e 2147483647 rss_growth_mib)" MiB - "<= 20 MiB" 20
row "Delete one line of 10^7 (view updated)" "$(e2e 10000000 delete_ms)" ms - "<= 5 ms" 5
row "Delete one line of 2147483647 (view updated)" "$(e2e 2147483647 delete_ms)" ms - "<= 5 ms" 5
row "Range 50..100, count 2147483647, Enter to shown" "$(e2e 2147483647r enter_ms)" ms - "<= 10 ms" 10
row "Find Multiples, 10^6 lines, Enter to shown" "$(e2e 1000000 enter_ms)" ms - "<= 50 ms" 50
row "Clear 10^7 lines (view updated)" "$(e2e 10000000 clear_ms)" ms - "<= 50 ms" 50
row "Find Factors of 2147483647, core" "$(gb_us BM_Largest/FindFactors)" us - "<= 100 us" 100
row "Square Roots of 2147483647, core" "$(gb_us BM_Largest/SquareRoots)" us - "-" -
row "Find GCD/HCF of 1000 collected numbers, core" "$(gb_us BM_FindGcdOfAThousand)" us - "-" -
row "List: delete the middle line, 10^6 lines, core" "$(gb_us BM_ResultsListRemoveMiddle)" us - "-" -
row "List: clear 10^6 lines, core" "$(gb_us BM_ResultsListClearMillion/iterations:20)" us - "-" -
for i in 0 1 2 3 4 5; do
  label=$(awk -F, -v n="\"BM_ReadLenient/$i""_median\"" '$1 == n { gsub(/"/, "", $8); print $8 }' "$tmp/gbench.csv")
  echo "| Lenient reading of \"$label\" | $(gb_ns "BM_ReadLenient/$i") ns | - | - | - |"
done
for i in 0 1 2; do
  label=$(awk -F, -v n="\"BM_ReadStrict/$i""_median\"" '$1 == n { gsub(/"/, "", $8); print $8 }' "$tmp/gbench.csv")
  echo "| Strict reading of \"$label\" | $(gb_ns "BM_ReadStrict/$i") ns | - | - | - |"
done
