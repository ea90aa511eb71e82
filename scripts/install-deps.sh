#!/usr/bin/env bash
# Installs every Debian package the build, the tools and the tests need; safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang
  libsdl2-dev libmodplug-dev libstb-dev libglm-dev python3-glad
  libgl1-mesa-dri libgl-dev libegl-dev libegl-mesa0 mesa-utils
  xvfb xdotool xauth
  libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev
  glslang-tools libopenmpt-dev sox
  fonts-lobster fonts-league-spartan fonts-beteckna fonts-dejavu-core
)

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
