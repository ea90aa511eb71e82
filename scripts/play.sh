#!/usr/bin/env bash
# Installs what is missing, builds, and plays the show (Brisa2024-720 unless 480 or 1080 is named).
# Without a display it draws offscreen; without a sound device the sound goes to a file.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
variant="${1:-720}"
case "$variant" in
  480|720|1080) ;;
  *) echo "usage: $0 [480|720|1080]" >&2; exit 2 ;;
esac
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" show
stage="${BRISA_BUILD_DIR:-$root/build}/stage"
cd "$stage"

has_display() { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }
has_sound_server() {
  local runtime="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}"
  [ -S "$runtime/pulse/native" ] || [ -S "$runtime/pipewire-0" ] || [ -n "${PULSE_SERVER:-}" ]
}
has_sound_device() { has_sound_server || { [ -d /dev/snd ] && ls /dev/snd/pcm* >/dev/null 2>&1; }; }

if ! has_display; then
  export SDL_VIDEODRIVER=offscreen
  echo "No display: drawing offscreen."
fi
if ! has_sound_device; then
  export SDL_AUDIODRIVER=disk
  export SDL_DISKAUDIOFILE="$stage/sorvane-output.raw"
  echo "No sound device: the sound goes to $SDL_DISKAUDIOFILE (raw 16-bit stereo, 44100 Hz;"
  echo "  sox -t raw -r 44100 -e signed -b 16 -c 2 $SDL_DISKAUDIOFILE sorvane.wav  makes a WAV of it)."
fi
exec "./Brisa2024-$variant"
