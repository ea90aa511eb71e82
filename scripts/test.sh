#!/usr/bin/env bash
# Installs what is missing, builds the programs and their tests, and runs every test; extra
# arguments go to CMake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" tests "$@"
build_dir="${BRISA_BUILD_DIR:-$root/build}"
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j "$(nproc)"
