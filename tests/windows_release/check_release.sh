#!/usr/bin/env bash
# check_release.sh ZIP ASSETS_DIR: the zip holds one folder with the three programs and Assets/
# byte for byte as ASSETS_DIR; each program is a 32-bit console program that needs no DLL but
# Windows' own.
set -uo pipefail
zip="$1"
assets="$2"
folder=Brisa2024-Lindora
programs=(Brisa2024-480.exe Brisa2024-720.exe Brisa2024-1080.exe)
# What every 32-bit Windows has; the C++ runtime, winpthread, SDL2 and libmodplug are linked in.
system_dlls='^(ADVAPI32|GDI32|IMM32|KERNEL32|msvcrt|ole32|OLEAUT32|SETUPAPI|SHELL32|USER32|VERSION|WINMM)\.(dll|DLL)$'
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked" || { echo "FAIL: $zip does not unpack"; exit 1; }

[ "$(ls -A "$unpacked")" = "$folder" ] || fail "the zip's top level is not the one folder $folder: $(ls -A "$unpacked")"
expected="$(printf '%s\n' Assets "${programs[@]}" | sort)"
[ "$(ls -A "$unpacked/$folder" | sort)" = "$expected" ] || fail "$folder holds $(ls -A "$unpacked/$folder" | tr '\n' ' ')"
diff -r "$assets" "$unpacked/$folder/Assets" > /dev/null || fail "Assets/ differs from $assets"

for program in "${programs[@]}"; do
  headers="$(i686-w64-mingw32-objdump -p "$unpacked/$folder/$program" 2>/dev/null)" || { fail "$program is no PE file"; continue; }
  grep -Eq '^Magic[[:space:]]+010b' <<< "$headers" || fail "$program is not a 32-bit (PE32) program"
  grep -Eq '^Subsystem[[:space:]]+00000003' <<< "$headers" || fail "$program is not a console program"
  while read -r dll; do
    [[ "$dll" =~ $system_dlls ]] || fail "$program needs $dll"
  done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<< "$headers")
done

[ "$failures" -eq 0 ] && echo "The release is one folder, its Assets/ as staged, three 32-bit console programs."
exit $((failures > 0))
