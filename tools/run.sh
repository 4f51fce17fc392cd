#!/usr/bin/env bash
# The main job: builds the installer and walks through one installation under
# Wine (on a virtual display when there is none), saving a screenshot of each
# step in artifacts/run/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
shots=$root/artifacts/run

bash "$root/tools/setup.sh"
bash "$root/tools/deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" >/dev/null
cmake --build "$build"

source "$root/tools/wine-env.sh" "$build"
source "$root/tools/gui-driver.sh"
trap wine_stop EXIT
wine_start_display
wine_prepare_prefix
rm -rf "$shots" && mkdir -p "$shots"

# The product this build installs: the list split at "|", field N from 1.
IFS='|' read -ra products <<<"$(sed -n 's/^INSTALLER_PRODUCT_LIST:STRING=//p' "$build/CMakeCache.txt")"
number=$(sed -n 's/^INSTALLER_PRODUCT_NUMBER:STRING=//p' "$build/CMakeCache.txt")
product=${products[$((number - 1))]}
drive_c=$WINEPREFIX/drive_c
target_unix=$drive_c/Lunetra软件/$product
rm -rf "$target_unix"

fail() { echo "run: $*" >&2; gui_shot "$shots/failed.png"; exit 1; }

echo "run: starting the installer on $DISPLAY"
(cd "$build/bin" && wine installer.exe; echo $? >"$shots/exit-code") &

main=$(gui_wait_window ' - 安装程序' 60) || fail 'the installer window did not appear'
sleep 1
gui_shot "$shots/1-window.png"
echo "run: window shown ($shots/1-window.png)"

gui_click "$main" 124 295          # the install button
warning=$(gui_wait_window '^信息：$' 60) || fail 'no warning after the click on the install button'
gui_shot "$shots/2-warning.png"
gui_key "$warning" Return

question=$(gui_wait_window '^温馨提示：$' 180) || fail 'the installation did not complete'
sleep 0.5
gui_shot "$shots/3-question.png"
gui_key "$question" n

for _ in $(seq 300); do [ -f "$shots/exit-code" ] && break; sleep 0.1; done
[ -f "$shots/exit-code" ] || fail 'the installer did not end after the question' 
echo "run: installer ended with exit code $(cat "$shots/exit-code")"
echo "run: installed into C:\\Lunetra软件\\$product:"
(cd "$target_unix" && find . -mindepth 1 | sort | sed 's/^/  /')
desktop=$(ls "$drive_c"/users/*/Desktop/"$product.lnk" 2>/dev/null || true)
echo "run: desktop shortcut: ${desktop:-none}"
echo "run: screenshots in $shots"
