#!/usr/bin/env bash
# Installs what is missing, builds the Windows programs and runs their tests under Wine and a
# private X server. The 32-bit release (scripts/build-windows.sh) is checked as it ships; the same
# sources built for 64-bit Windows run the tests under wine64, since 32-bit Wine needs a kernel that
# runs 32-bit code. Extra arguments go to ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
release_build="${BRISA_WINDOWS_BUILD_DIR:-$root/build-windows}"
test_build="$release_build/x86_64"

"$root/scripts/build-windows.sh"
"$root/scripts/install-windows-deps.sh" tests
"$root/scripts/cross-build.sh" x86_64 "$test_build" -DBRISA_BENCH=OFF -DBRISA_TEST_VARIANTS=480 \
  -DBRISA_WINDOWS_RELEASE_ZIP="$release_build/Brisa2024-Lindora.zip"

# Wine's server and its services are started first, on the null device: started by a test, they
# would hold its output open until the whole run ends. The run leaves none behind.
export WINEPREFIX="$test_build/wine-prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
# A screen larger than every build's window, so that a centred window lies away from the corner.
xvfb-run -a -s "-screen 0 2560x1600x24 -nolisten tcp" bash -c '
  "$1/run-under-wine" cmd /c exit < /dev/null > /dev/null 2>&1
  wineserver -p < /dev/null > /dev/null 2>&1
  ctest --test-dir "$1" --output-on-failure --no-tests=error -j "$(nproc)" "${@:2}"' run-tests "$test_build" "$@"
