# Sourced by the end-to-end scenario scripts, with the scenario's name, build
# folder and the script's own arguments as SCENARIO BUILD_DIR PAYLOAD_ZIP
# BRAND_FOLDER PRODUCT_NAME: the GUI driver, the paths, and small helpers.
set -euo pipefail
scenario=$1 build=$(cd "$2" && pwd) payload=$3 brand=${4%\\} product=$5
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=../../tools/gui-driver.sh
source "$root/tools/gui-driver.sh"
bin=$build/bin
shots=$build/artifacts/e2e
work=$build/e2e/$scenario
mkdir -p "$shots"

fail() { echo "FAIL [$scenario]: $*" >&2; exit 1; }
shot() { gui_shot "$shots/$scenario-$1.png"; }
# A Windows program's output, from the ANSI code page (GBK) to this shell's UTF-8.
win() { wine "$@" 2>/dev/null </dev/null | tr -d '\r' | iconv -f GBK -t UTF-8; }
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }

# Starts the installer from the scenario's folder (it makes its own folder the
# current one) and waits for its window: sets installer_pid and main.
start_installer() {
  cd "$work"
  wine "$bin/installer.exe" >/dev/null 2>&1 &
  installer_pid=$!
  main=$(gui_wait_window "安装程序" 30) || fail "the installer's window did not appear"
  sleep 1
  shot 1-start
}
