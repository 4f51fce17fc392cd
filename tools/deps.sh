#!/usr/bin/env bash
# Fetches the third-party sources from Debian's archive and builds what must be
# built for the target, once. Everything lands in .deps/ (gitignored); a second
# run finds the stamps and does nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=$root/.deps
mkdir -p "$deps/src"

# apt-get source of the newest version can fail when the security mirror lacks
# it; the older versions listed by apt-cache are tried in turn.
fetch_source() {
  local pkg=$1 dest=$2
  [ -f "$dest/.fetched" ] && return 0
  local work
  work=$(mktemp -d "$deps/src/fetch.XXXXXX")
  local versions
  versions=("" $(apt-cache showsrc "$pkg" | awk '/^Version:/ {print $2}' | sort -ru))
  local ok=
  for v in "${versions[@]}"; do
    if (cd "$work" && apt-get source -qq "$pkg${v:+=$v}" >/dev/null 2>&1); then ok=1; break; fi
    rm -rf "${work:?}"/*
  done
  [ -n "$ok" ] || { echo "deps: apt-get source $pkg failed" >&2; exit 1; }
  local tree
  tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
  rm -rf "$dest"
  mv "$tree" "$dest"
  rm -rf "$work"
  touch "$dest/.fetched"
}

fetch_source zlib "$deps/src/zlib"
fetch_source libjpeg-turbo "$deps/src/libjpeg-turbo"

# libjpeg-turbo: static, for the target, with its own CMake and nasm.
jpeg_prefix=$deps/i686/libjpeg-turbo
if [ ! -f "$jpeg_prefix/.built" ]; then
  rm -rf "$deps/build/libjpeg-turbo"
  cmake -S "$deps/src/libjpeg-turbo" -B "$deps/build/libjpeg-turbo" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF \
    -DCMAKE_SYSTEM_PROCESSOR=x86 -DCMAKE_ASM_NASM_COMPILER=nasm >/dev/null
  cmake --build "$deps/build/libjpeg-turbo" --target install >/dev/null
  touch "$jpeg_prefix/.built"
fi
echo "deps: ready in $deps"
