#!/usr/bin/env bash
# build-windows-libraries.sh ARCH DIR: SDL2 and libmodplug, the versions the Linux build uses, built
# static for ARCH (i686 or x86_64) Windows from Debian's sources into DIR/ARCH/prefix. A finished
# build is kept and reused.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
arch="$1"
dir="$(mkdir -p "$2" && cd "$2" && pwd)"
sdl_version=2.26.5+dfsg-1
modplug_version=1:0.8.9.0-3
toolchain="$root/cmake/mingw-$arch.cmake"
triplet="$arch-w64-mingw32"
prefix="$dir/$arch/prefix"
stamp="$prefix/built-from-$sdl_version-${modplug_version#1:}"
[ -f "$stamp" ] && exit 0

sources="$dir/sources"
sdl_source="$sources/libsdl2-${sdl_version%-*}"
modplug_source="$sources/libmodplug-0.8.9.0"
if [ ! -d "$sdl_source" ] || [ ! -d "$modplug_source" ]; then
  rm -rf "$sources"
  "$root/scripts/fetch-debian-source.sh" "$sources" "libsdl2=$sdl_version" "libmodplug=$modplug_version"
fi

rm -rf "$dir/$arch"
cmake -S "$sdl_source" -B "$dir/$arch/sdl2" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
cmake --build "$dir/$arch/sdl2" -j "$(nproc)"
cmake --install "$dir/$arch/sdl2"

# The same flags as the toolchain gives the programs.
arch_flags="$(sed -n 's/^set(BRISA_MINGW_ARCH_FLAGS "\(.*\)")$/\1/p' "$toolchain")"
mkdir -p "$dir/$arch/modplug"
(cd "$dir/$arch/modplug" &&
  "$modplug_source/configure" --quiet --host="$triplet" --prefix="$prefix" --enable-static --disable-shared \
    CC="$triplet-gcc-posix" CXX="$triplet-g++-posix" CFLAGS="-O2 $arch_flags" CXXFLAGS="-O2 $arch_flags" &&
  make -j "$(nproc)" --quiet && make --quiet install)
touch "$stamp"
