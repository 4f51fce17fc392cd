# Sourced by the test and run scripts: one Wine prefix per build folder, a
# virtual display when there is none, and Wine's services started up front so
# that tests under ctest neither wait for Wine to shut down nor hang on it.
# Usage: source tools/wine-env.sh BUILD_DIR
wine_build_dir=$(cd "$1" && pwd)
export WINEPREFIX=$wine_build_dir/wineprefix
export WINEARCH=win32
export WINEDEBUG=-all
# Wine's ANSI code page follows the Unix locale: zh_CN gives 936 (GBK).
export LC_ALL=zh_CN.UTF-8
# No Mono or Gecko prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_start_display() {
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    local n=90
    while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    wine_xvfb_pid=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
}

wine_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.ready"
  fi
  # Wine links the user's Desktop, Documents, ... to the Unix home folder; the
  # tests' shortcuts and files belong inside the prefix, not in $HOME.
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ]; then rm -f "$link" && mkdir -p "$link"; fi
  done
  # -p answers 2 when this prefix's server already runs: that is fine too.
  wineserver -p >/dev/null 2>&1 || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null || { echo "wine: cannot start a program in $WINEPREFIX" >&2; return 1; }
}

wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${wine_xvfb_pid:-}" ]; then kill "$wine_xvfb_pid" 2>/dev/null || true; fi
}
