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
cmake --build "$build" --target core_bench multiples_timer e2e_multiples >/dev/null
export QT_QPA_PLATFORM=offscreen

now_ns() { date +%s%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v g="$2" 'BEGIN { print (v <= g) ? "met" : "MISSED" }'; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The core and awk writing the same million lines, in turn, so a drift of
# the machine's speed touches both alike.
for _ in $(seq "$runs"); do
  "$build/bench/multiples_timer" 1000000 7 >>"$tmp/core"
  start=$(now_ns)
  awk 'BEGIN{for(k=1;k<=1000000;k++) print k " x 7 = " 7*k}' >/dev/null
  echo $(( ($(now_ns) - start) / 1000 )) | awk '{ printf "%.2f\n", $1 / 1000 }' >>"$tmp/awk"
done
core=$(median <"$tmp/core")
awk_ms=$(median <"$tmp/awk")

# Through the real widgets, one process per run.
for n in 1000000 10000000; do
  for _ in $(seq "$runs"); do "$build/bench/e2e_multiples" "$n" 2>/dev/null >>"$tmp/e2e-$n"; done
done
e2e() { awk -v k="$2" '$1 == k { print $2 }' "$tmp/e2e-$1" | median; }

# Google Benchmark for the core's own figures (median of repetitions).
"$build/bench/core_bench" --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null >"$tmp/gbench.csv"
gb() { awk -F, -v n="\"$1_median\"" '$1 == n { print $3 " " $5 }' "$tmp/gbench.csv"; }  # real_time unit
gb_us() { gb "$1" | awk '{ t = $1; if ($2 == "ns") t /= 1000; if ($2 == "ms") t *= 1000; printf "%.2f\n", t }'; }
gb_ns() { gb "$1" | awk '{ t = $1; if ($2 == "us") t *= 1000; if ($2 == "ms") t *= 1e6; printf "%.1f\n", t }'; }

factors_us=$(gb_us BM_FindFactorsLargestPrime)
e1=$(e2e 1000000 enter_ms); m1=$(e2e 1000000 rss_growth_mib)
e7=$(e2e 10000000 enter_ms); m7=$(e2e 10000000 rss_growth_mib)
d1=$(e2e 1000000 delete_ms); c1=$(e2e 1000000 clear_ms)
d7=$(e2e 10000000 delete_ms); c7=$(e2e 10000000 clear_ms)
limit_core=$(awk -v a="$awk_ms" 'BEGIN { printf "%.2f", 0.75 * a }')
limit_e2e=$(awk -v a="$awk_ms" 'BEGIN { printf "%.2f", 1.5 * a }')

model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo "Machine: $(nproc) cores, ${model:-unknown CPU}; medians of $runs runs."
echo
echo "| Figure | Measured | Anchor | Ratio | Goal | Verdict |"
echo "|---|---|---|---|---|---|"
echo "| Find Multiples, 10^6 lines, core | $core ms | awk $awk_ms ms | $(ratio "$core" "$awk_ms") | <= 0.75 x awk ($limit_core ms) | $(verdict "$core" "$limit_core") |"
echo "| Find Multiples, 10^6 lines, through the widgets | $e1 ms | awk $awk_ms ms | $(ratio "$e1" "$awk_ms") | <= 1.5 x awk ($limit_e2e ms) | $(verdict "$e1" "$limit_e2e") |"
echo "| Resident memory growth, 10^6 lines | $m1 MiB | - | - | <= 80 MiB | $(verdict "$m1" 80) |"
echo "| Find Multiples, 10^7 lines, through the widgets | $e7 ms | - | - | <= 1500 ms | $(verdict "$e7" 1500) |"
echo "| Resident memory growth, 10^7 lines | $m7 MiB | - | - | <= 450 MiB | $(verdict "$m7" 450) |"
echo "| Delete the middle line of 10^6 (view updated) | $d1 ms | - | - | <= 50 ms | $(verdict "$d1" 50) |"
echo "| Clear 10^6 lines (view updated) | $c1 ms | - | - | <= 50 ms | $(verdict "$c1" 50) |"
echo "| Delete the middle line of 10^7 (view updated) | $d7 ms | - | - | - | - |"
echo "| Clear 10^7 lines (view updated) | $c7 ms | - | - | <= 50 ms | $(verdict "$c7" 50) |"
echo "| Find Factors of 2147483647 | $factors_us us | - | - | <= 100 us | $(verdict "$factors_us" 100) |"
echo "| Find Multiples, 10^6 lines, core (Google Benchmark) | $(gb_us BM_FindMultiplesMillion | awk '{ printf "%.2f", $1 / 1000 }') ms | - | - | - | - |"
echo "| List: delete the middle of 10^6 lines, core | $(gb_us BM_ResultsListRemoveMiddle) us | - | - | - | - |"
echo "| List: clear 10^6 lines, core | $(gb_us BM_ResultsListClearMillion/iterations:20) us | - | - | - | - |"
for i in 0 1 2 3 4 5; do
  label=$(awk -F, -v n="\"BM_ReadLenient/$i""_median\"" '$1 == n { gsub(/"/, "", $8); print $8 }' "$tmp/gbench.csv")
  echo "| Lenient reading of \"$label\" | $(gb_ns "BM_ReadLenient/$i") ns | - | - | - | - |"
done
for i in 0 1 2; do
  label=$(awk -F, -v n="\"BM_ReadStrict/$i""_median\"" '$1 == n { gsub(/"/, "", $8); print $8 }' "$tmp/gbench.csv")
  echo "| Strict reading of \"$label\" | $(gb_ns "BM_ReadStrict/$i") ns | - | - | - | - |"
done
