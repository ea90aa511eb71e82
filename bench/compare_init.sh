#!/usr/bin/env bash
# Times InitDemo of several bench programs in turn, one process each per round, so that every
# program meets the same load on a shared machine; prints each run, then per program the median,
# the quartiles and the fastest run, and the load average before and after.
# Usage: bench/compare_init.sh STAGE_FOLDER ROUNDS PROGRAM... (e.g. build/stage 20 old/brisa_bench_480 new/brisa_bench_480)
set -euo pipefail
stage="$1"
rounds="$2"
shift 2
programs=()
for program in "$@"; do programs+=("$(realpath "$program")"); done
cd "$stage"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
runs="$(mktemp)"
trap 'rm -f "$runs"' EXIT
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$rounds"); do
  for index in "${!programs[@]}"; do
    ms="$("${programs[$index]}" --benchmark_filter='^InitDemo' 2>/dev/null | awk '/^InitDemo/ {print $2}' || true)"
    echo "round $round program $index ${ms:-failed} ms"
    [ -n "$ms" ] && echo "$index $ms" >> "$runs"
  done
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
for index in "${!programs[@]}"; do
  awk -v p="$index" '$1 == p {print $2}' "$runs" | sort -n | awk -v name="${programs[$index]}" '
    {v[NR] = $1}
    END {if (NR == 0) exit
         median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
         printf "%s: %d runs, median %g ms, quartiles %s / %s ms, fastest %s ms\n", name, NR, median,
                v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)], v[1]}'
done
