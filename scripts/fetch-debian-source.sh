#!/usr/bin/env bash
# fetch-debian-source.sh DIR PACKAGE=VERSION...: downloads and unpacks Debian source packages into DIR.
# apt works from lists of its own under DIR, made from this machine's sources with deb-src in place
# of deb, so the machine's apt configuration is left as it was; apt checks the archive's signatures.
set -euo pipefail
dir="$(mkdir -p "$1" && cd "$1" && pwd)"
shift
state="$dir/apt"
mkdir -p "$state/lists/partial" "$state/parts"
: > "$state/sources.list"
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] && sed -n 's/^deb \(.*\)$/deb-src \1/p' "$f" >> "$state/sources.list"
done
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] && sed 's/^Types:.*$/Types: deb-src/' "$f" > "$state/parts/$(basename "$f")"
done
apt_options=(-o Dir::Etc::SourceList="$state/sources.list" -o Dir::Etc::SourceParts="$state/parts"
  -o Dir::State::Lists="$state/lists" -o APT::Sandbox::User=root)
apt-get "${apt_options[@]}" update -qq
cd "$dir"
apt-get "${apt_options[@]}" source -qq "$@"
