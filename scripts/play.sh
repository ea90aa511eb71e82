#!/usr/bin/env bash
# Installs what is missing, builds, and plays the show (Brisa2024-720 unless 480 or 1080 is named).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
variant="${1:-720}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DBRISA_TESTS=OFF -DBRISA_BENCH=OFF
stage="${BRISA_BUILD_DIR:-$root/build}/stage"
program="$stage/Brisa2024-$variant"
if [ ! -x "$program" ]; then
  echo "Brisa2024-$variant is not built yet: the build so far makes the libraries and the assets in $stage."
  exit 0
fi
cd "$stage"
exec "$program"
