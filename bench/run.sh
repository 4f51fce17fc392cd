#!/usr/bin/env bash
# Times extract.exe against minizip's own miniunz (same minizip and zlib
# sources, same target, same Wine) and native Info-ZIP unzip, on three
# workloads, and writes bench/results.md. Not part of the tests.
# Usage: bench/run.sh [BUILD_DIR]   (default: build-zip)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-zip}" && pwd)
work=$build/bench
mkdir -p "$work"

cmake --build "$build" -j2 --target extract
minizip=$root/.deps/src/zlib/contrib/minizip
if [ ! -x "$work/miniunz.exe" ] || [ "$minizip/miniunz.c" -nt "$work/miniunz.exe" ]; then
  # As the project builds minizip: -O2, fully static, zlib from libz-mingw-w64-dev.
  i686-w64-mingw32-gcc-posix -O2 -w -static -I"$minizip" \
    "$minizip/miniunz.c" "$minizip/unzip.c" "$minizip/ioapi.c" "$minizip/iowin32.c" \
    /usr/i686-w64-mingw32/lib/libz.a -o "$work/miniunz.exe"
fi

source "$root/tools/wine-env.sh" "$build"
trap wine_stop EXIT
wine_start_display
# wineserver -p answers 2 when a server for the prefix already runs.
wine_prepare_prefix || true
python3 "$root/bench/bench.py" --extract "$build/bin/extract.exe" --miniunz "$work/miniunz.exe" \
  --work "$work" --out "$root/bench/results.md"
cat "$root/bench/results.md"
