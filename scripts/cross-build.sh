#!/usr/bin/env bash
# cross-build.sh ARCH BUILD_DIR [CMAKE_ARGS...]: configures and builds the project for ARCH (i686 or
# x86_64) Windows into BUILD_DIR. The libraries are built first, or reused, under
# $BRISA_WINDOWS_DEPS_DIR (build-windows/deps); the assets come from a build for this machine,
# $BRISA_HOST_BUILD_DIR (build-windows/host, made with the asset tools only when it is not there).
# BRISA_WERROR=ON treats warnings as errors.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
arch="$1"
build_dir="$2"
shift 2
deps_dir="${BRISA_WINDOWS_DEPS_DIR:-$root/build-windows/deps}"
host_build="${BRISA_HOST_BUILD_DIR:-$root/build-windows/host}"

"$root/scripts/build-windows-libraries.sh" "$arch" "$deps_dir"

if [ ! -f "$host_build/build.ninja" ]; then
  cmake -S "$root" -B "$host_build" -G Ninja -DBRISA_TESTS=OFF -DBRISA_BENCH=OFF
fi
cmake --build "$host_build" -j "$(nproc)" --target assets

cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
  -DBRISA_WINDOWS_DEPS="$deps_dir/$arch/prefix" -DBRISA_HOST_ASSETS_DIR="$host_build/stage/Assets" \
  -DBRISA_TOOLS=OFF ${BRISA_WERROR:+-DBRISA_WERROR=$BRISA_WERROR} "$@"
cmake --build "$build_dir" -j "$(nproc)"
