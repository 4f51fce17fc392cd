#!/usr/bin/env bash
# Installs what is missing, builds everything for the target and runs every
# test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

bash "$root/tools/setup.sh"
bash "$root/tools/deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" >/dev/null
cmake --build "$build"

source "$root/tools/wine-env.sh" "$build"
trap wine_stop EXIT
wine_start_display
wine_prepare_prefix
echo "ANSI code page under Wine: $(wine "$build/bin/acp_probe.exe" | tr -d '\r')"

cd "$build"
timeout 2400 ctest --output-on-failure --timeout 600 "$@"
