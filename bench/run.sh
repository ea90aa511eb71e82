#!/usr/bin/env bash
# Runs the benchmarks of every screen size from the build's stage folder and keeps what they print
# (and JSON) in <build>/bench-results/. InitDemo runs once per process, so it gets five processes
# of its own. Usage: bench/run.sh [build folder] [more Google Benchmark flags]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
shift || true
out="$build/bench-results"
mkdir -p "$out"
cd "$build/stage"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy

for size in 480 720 1080; do
  program="$build/bench/brisa_bench_$size"
  for run in 1 2 3 4 5; do
    "$program" --benchmark_filter='^InitDemo' 2>/dev/null | grep '^InitDemo' >> "$out/init_$size.txt"
  done
  "$program" --benchmark_out="$out/bench_$size.json" --benchmark_out_format=json "$@" 2>&1 \
    | grep -v '^Adding ' | tee "$out/bench_$size.txt"
done
for size in 480 720 1080; do
  echo "InitDemo, five processes, $size:"
  cat "$out/init_$size.txt"
done
