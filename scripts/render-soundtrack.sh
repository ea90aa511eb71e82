#!/usr/bin/env bash
# Renders the soundtrack as the demo plays it (libmodplug, stereo separation 64) into build/stage/sorvane.wav.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${BRISA_BUILD_DIR:-$root/build}"
if [ ! -f "$build_dir/build.ninja" ] && [ ! -f "$build_dir/Makefile" ]; then
  cmake -S "$root" -B "$build_dir" -G Ninja -DBRISA_TESTS=OFF -DBRISA_BENCH=OFF
fi
cmake --build "$build_dir" --target soundtrack brisa_render_module
stage="$build_dir/stage"
raw="$(mktemp --suffix=.raw)"
trap 'rm -f "$raw"' EXIT
"$build_dir/tools/composer/brisa_render_module" "$stage/Assets/sorvane.mod" "$raw"
sox -t raw -r 44100 -e signed-integer -b 16 -c 2 -L "$raw" "$stage/sorvane.wav"
echo "Wrote $stage/sorvane.wav"
