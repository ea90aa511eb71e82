#!/usr/bin/env bash
# Runs the fuzz targets of a BRISA_FUZZ build side by side for BRISA_FUZZ_SECONDS (default 60) each;
# any finding fails.
set -euo pipefail

build="$(cd "${1:?usage: run_fuzzers.sh <build dir>}" && pwd)"
seconds="${BRISA_FUZZ_SECONDS:-60}"
source_dir="$(cd "$(dirname "$0")" && pwd)"
fuzz_dir="$build/tests/fuzz"

# fuzz NAME SEED_FOLDER [OPTION...]: new inputs go to the build's own corpus, the seeds are only read.
# An input that takes 10 s is a hang: a few kilobytes take milliseconds, the largest picture the
# fuzzed decoder accepts (stb_image_decoder.c) a few seconds.
fuzz() {
  local name="$1" seeds="$2"
  shift 2
  mkdir -p "$fuzz_dir/found/$name" "$fuzz_dir/artifacts"
  echo "== fuzzing $name for ${seconds}s"
  # No leak checks: LeakSanitizer stops the world to scan, and with the GL driver's threads about
  # that scan itself crashes now and then. AddressSanitizer's memory checks stay on.
  "$fuzz_dir/brisa_${name}_fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -detect_leaks=0 \
    -artifact_prefix="$fuzz_dir/artifacts/$name-" "$@" "$fuzz_dir/found/$name" "$seeds"
}

# Each target runs on one core, so the two share the time; each keeps its own log, shown at the end.
fuzz obj "$source_dir/corpus/obj" -dict="$source_dir/obj.dict" > "$fuzz_dir/obj.log" 2>&1 &
obj_run=$!
fuzz texture "$fuzz_dir/corpus/texture" > "$fuzz_dir/texture.log" 2>&1 &
texture_run=$!
status=0
wait "$obj_run" || status=1
wait "$texture_run" || status=1
cat "$fuzz_dir/obj.log" "$fuzz_dir/texture.log"
exit "$status"
