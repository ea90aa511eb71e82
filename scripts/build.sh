#!/usr/bin/env bash
# Configures and builds everything into build/ (or $BRISA_BUILD_DIR); extra arguments go to CMake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${BRISA_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" -j "$(nproc)"
