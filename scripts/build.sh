#!/usr/bin/env bash
# build.sh show|tests [CMAKE_ARGS...]: configures build/ (or $BRISA_BUILD_DIR) for the show or for the
# tests and builds it; extra arguments go to CMake after the job's own options.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${BRISA_BUILD_DIR:-$root/build}"
# Each job names every option it relies on, since the cache keeps what the last configure set and
# the other job sets some of them the other way. Options neither job names stay as configured.
case "${1:-}" in
  show) job_options=(-DBRISA_TOOLS=ON -DBRISA_TESTS=OFF -DBRISA_BENCH=OFF) ;;
  tests) job_options=(-DBRISA_TOOLS=ON -DBRISA_TESTS=ON -DBRISA_BENCH=ON) ;;
  *) echo "usage: $0 show|tests [CMAKE_ARGS...]" >&2; exit 2 ;;
esac
shift
cmake -S "$root" -B "$build_dir" -G Ninja "${job_options[@]}" "$@"
cmake --build "$build_dir" -j "$(nproc)"
