#!/usr/bin/env bash
# Installs the Debian packages that the Windows build needs, and with "tests" those its tests under
# Wine need too; safe to run again.
set -euo pipefail

packages=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix dpkg-dev zip)
if [ "${1:-}" = tests ]; then
  # The tests run the 64-bit build under wine64: 32-bit programs need a kernel that runs 32-bit code.
  packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 googletest xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
