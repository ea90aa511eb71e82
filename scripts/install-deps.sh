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

"$(dirname "$0")/install-packages.sh" "${packages[@]}"
