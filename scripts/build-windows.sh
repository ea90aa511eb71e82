#!/usr/bin/env bash
# Installs what is missing and builds the 32-bit Windows programs from the same sources into
# build-windows/ (or $BRISA_WINDOWS_BUILD_DIR), then the release folder as a zip:
# build-windows/Brisa2024-Lindora.zip, one folder with the three programs and Assets/.
# Extra arguments go to CMake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${BRISA_WINDOWS_BUILD_DIR:-$root/build-windows}"
release_name=Brisa2024-Lindora

"$root/scripts/install-deps.sh"
"$root/scripts/install-windows-deps.sh"
"$root/scripts/cross-build.sh" i686 "$build_dir" -DBRISA_TESTS=OFF -DBRISA_BENCH=OFF "$@"

release="$build_dir/release"
rm -rf "$release" "$build_dir/$release_name.zip"
cmake --install "$build_dir" --prefix "$release/$release_name" --strip
(cd "$release" && zip -q -r -X "$build_dir/$release_name.zip" "$release_name")
echo "Wrote $build_dir/$release_name.zip"
