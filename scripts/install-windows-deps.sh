#!/usr/bin/env bash
# Installs the Debian packages that the Windows build needs, and with "tests" those its tests under
# Wine need too; safe to run again.
set -euo pipefail

packages=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix dpkg-dev zip)
if [ "${1:-}" = tests ]; then
  # The tests run the 64-bit build under wine64: 32-bit programs need a kernel that runs 32-bit code.
  packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 googletest xvfb xauth unzip)
fi

"$(dirname "$0")/install-packages.sh" "${packages[@]}"
