#!/usr/bin/env bash
# Faults injected into a real installation under Xvfb and Wine: drives too
# small or filling up, and the 1000 MB threshold that picks the default drive.
# Usage: fault_scenario.sh CASE BUILD_DIR PAYLOAD_ZIP BRAND_FOLDER PRODUCT_NAME
#   no_space         the brand folder is a 512 KB volume: the free-space message, nothing written
#   fills_half       a volume just above the declared total, too small once files take whole
#                    pages: the executable fails part way; the failure message, no link, window open
#   threshold_below  D: has 999 MB free: the install folder proposed is on C:
#   threshold_at     D: has 1000 MB free: it is on D:
#   read_only        the brand folder is a read-only volume: the failure message, window open
#   held_file        another program holds the product's executable without sharing: the
#                    failure message, the entries before it written, window open
#   write_fails      the temporary folder takes no file and D: is read-only: the write
#                    failure text, then the program ends with exit code 0
# Every case ends with exit code 0 ("×" unless the program ends by itself), and
# checks that nothing outside the install folder, the temporary archive and the
# desktop link changed in drive_c or on D:. Mounts, the D: link, the holder and
# the temporary folder are put back on every exit.
# shellcheck source=scenario_common.sh
source "$(dirname "$0")/scenario_common.sh" "fault-$1" "${@:2}"
rm -f "$shots/$scenario"-*.png

d_link=$WINEPREFIX/dosdevices/d:
d_before=$(readlink "$d_link" || true)
installer_pid=
holder_pid=
mounts=()
restore() {
  if [ -n "$installer_pid" ]; then kill "$installer_pid" 2>/dev/null || true; wait "$installer_pid" 2>/dev/null || true; fi
  if [ -n "$holder_pid" ]; then touch "$work/release"; wait "$holder_pid" 2>/dev/null || true; fi
  if [ -n "${temp_moved:-}" ]; then rm -f "$temp_unix"; mv "$temp_moved" "$temp_unix"; fi
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[$i]}" 2>/dev/null || umount -l "${mounts[$i]}" || true; done
  rm -f "$d_link"
  if [ -n "$d_before" ]; then ln -s "$d_before" "$d_link"; fi
  rm -f "${link_unix:-/nonexistent}"
}
trap restore EXIT
# mount_tmpfs SIZE DIR [OPTIONS]: a volume of its own, undone on exit.
mount_tmpfs() { mkdir -p "$2"; mount -t tmpfs -o "size=$1${3:+,$3}" tmpfs "$2"; mounts+=("$2"); }

for m in "$work/drive/$brand" "$work/drive"; do mountpoint -q "$m" 2>/dev/null && umount "$m"; done
rm -rf "$work"
mkdir -p "$work/drive"
page=$(getconf PAGESIZE)
declared=$(unzip -l "$payload" | tail -n 1 | awk '{print $1}')
case ${scenario#fault-} in
  threshold_below) mount_tmpfs 999m "$work/drive" ;;
  threshold_at) mount_tmpfs 1000m "$work/drive" ;;
  no_space | fills_half)
    # D: itself is large, so that the installer proposes it; the brand folder
    # on it is a volume of its own, as a mounted folder is on Windows.
    mount_tmpfs 1100m "$work/drive"
    if [ "${scenario#fault-}" = no_space ]; then size=512k; else size=$(((declared / page + 2) * page)); fi
    mount_tmpfs "$size" "$work/drive/$brand"
    ;;
  # Wine ignores the read-only attribute of a folder; a read-only volume it honours.
  read_only) mount_tmpfs 1100m "$work/drive"; mount_tmpfs 4m "$work/drive/$brand" ro ;;
  held_file) mount_tmpfs 1100m "$work/drive" ;;
  write_fails) mount_tmpfs 1100m "$work/drive" ro ;;
  *) fail "unknown case" ;;
esac
rm -f "$d_link"
ln -s "$work/drive" "$d_link"

temp_unix=$(unix_path "$(win cmd /c echo %TEMP%)")
link_unix=$(unix_path "$(win cmd /c echo %USERPROFILE%)\\Desktop\\$product.lnk")
drive_c=$WINEPREFIX/drive_c
rm -f "$link_unix" "$temp_unix/tool.zip"
case ${scenario#fault-} in
  write_fails)
    # A file where the temporary folder should be: nothing can be created in it.
    temp_moved=$work/temp-aside
    mv "$temp_unix" "$temp_moved"
    touch "$temp_unix"
    ;;
  held_file)
    # A running copy of the product holds its executable: the last entry cannot be written.
    mkdir -p "$work/drive/$brand/$product"
    exe_win="D:\\$brand\\$product\\$product.exe"
    wine "$bin/hold_file.exe" "$exe_win" "$(winepath -w "$work/release" | tr -d '\r')" >"$work/holder.out" 2>/dev/null &
    holder_pid=$!
    for _ in $(seq 100); do grep -q held "$work/holder.out" 2>/dev/null && break; sleep 0.1; done
    grep -q held "$work/holder.out" || fail "could not hold $exe_win"
    ;;
esac

# Every path with its size and modification time, minus what an installation
# may touch: the temporary archive, the desktop link, the install folder, and
# the sizes and times of the folders that hold them.
temp_rel=$(realpath -m --relative-to="$drive_c" "$temp_unix")
link_rel=$(realpath -m --relative-to="$drive_c" "$link_unix")
listing() {
  { find "$drive_c" -printf 'C %P %s %T@\n'; find "$work/drive" -printf 'D %P %s %T@\n'; } |
    grep -v -e "^C $temp_rel/tool.zip " -e "^C $link_rel " -e "^D $brand/$product[/ ]" |
    sed -E -e "s#^(C $temp_rel|C ${link_rel%/*}|D $brand|D) ([0-9]+) .*#\1#" | sort
}
listing >"$work/before.txt"

start_installer
eval "$(xdotool getwindowgeometry --shell "$main")"
folder=$(wine "$bin/caption_probe.exe" $((X + 1 + 7 + 116)) $((Y + 1 + 367 + 12)) 2>/dev/null | iconv -f GBK -t UTF-8)

# wait_exit SECONDS WHAT: the installer ends by itself within SECONDS with exit code 0.
wait_exit() {
  local status=0
  for _ in $(seq $(($1 * 10))); do kill -0 "$installer_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$installer_pid" 2>/dev/null && fail "the installer did not end $2"
  wait "$installer_pid" || status=$?
  installer_pid=
  [ "$status" = 0 ] || fail "exit code $status $2"
}
# No link, nothing changed outside the expected paths.
check_outside() {
  [ -e "$link_unix" ] && fail "a desktop link was made"
  listing >"$work/after.txt"
  diff "$work/before.txt" "$work/after.txt" >"$work/outside.diff" || fail "changed outside: $(head -5 "$work/outside.diff")"
  echo "PASS [$scenario]: $*"
}
close_and_check_exit() {
  gui_click "$main" 236 20  # the "×"
  wait_exit 10 "on ×"
  [ -e "$temp_unix/tool.zip" ] && fail "tool.zip left in the temporary folder"
  check_outside "$@"
}

case ${scenario#fault-} in
  threshold_below | threshold_at)
    [ "${scenario#fault-}" = threshold_at ] && drive=D || drive=C
    [ "$folder" = "$drive:\\$brand\\$product" ] || fail "proposed $folder, expected $drive:\\$brand\\$product"
    close_and_check_exit "proposed $folder"
    exit 0
    ;;
esac

[ "$folder" = "D:\\$brand\\$product" ] || fail "proposed $folder, not on D:"
gui_click "$main" 124 295  # the install button
warning=$(gui_wait_window "信息：" 20) || fail "no warning after the click"
gui_key "$warning" Return

for _ in $(seq 600); do
  box=$(xdotool search --onlyvisible --name "信息：" 2>/dev/null | grep -vx "$warning" | head -n 1 || true)
  [ -n "$box" ] && break
  kill -0 "$installer_pid" 2>/dev/null || fail "the installer ended with no message"
  xdotool search --onlyvisible --name "温馨提示：" >/dev/null 2>&1 && fail "安装完成 was asked"
  sleep 0.1
done
[ -n "$box" ] || fail "no message after the warning"
sleep 0.5
shot 2-message
told=$(win "$bin/box_text.exe" "信息：")
echo "told: $told"
xdotool search --onlyvisible --name "温馨提示：" >/dev/null 2>&1 && fail "安装完成 was asked"
if [ "${scenario#fault-}" = write_fails ]; then
  [ "$told" = $'写入失败！Windows7请以管理员身份运行，建议关闭杀毒，再重试\n《确定》后将关闭本安装程序' ] ||
    fail "not the write failure text: $told"
  gui_key "$box" Return
  wait_exit 10 "after the write failure text"
  check_outside "told: ${told//$'\n'/ }"
  exit 0
fi
if [ "${scenario#fault-}" = no_space ]; then
  [[ $told == *磁盘空间不足* && $told == *"安装需要 1 MB"* && $told == *"只有 0 MB"* ]] || fail "not the free-space message: $told"
  [ -z "$(ls -A "$work/drive/$brand")" ] || fail "written into the small volume: $(ls -A "$work/drive/$brand")"
else
  [[ $told == *安装失败* ]] || fail "not the failure message: $told"
  case ${scenario#fault-} in
    fills_half)
      [ -e "$work/drive/$brand/$product/$product.exe" ] || fail "the executable was not even begun"
      written=$(stat -c %s "$work/drive/$brand/$product/$product.exe")
      [ "$written" -lt "$(unzip -l "$payload" "$product.exe" | tail -n 1 | awk '{print $1}')" ] || fail "the executable is whole"
      ;;
    read_only) [ -z "$(ls -A "$work/drive/$brand")" ] || fail "written into the read-only volume" ;;
    held_file)
      unzip -p "$payload" readme.txt | cmp -s - "$work/drive/$brand/$product/readme.txt" || fail "readme.txt not unpacked before the held file"
      [ -s "$work/drive/$brand/$product/$product.exe" ] && fail "the held executable was written"
      ;;
  esac
fi
gui_key "$box" Return
sleep 0.5
shot 3-after
kill -0 "$installer_pid" 2>/dev/null || fail "the installer ended after the message"
gui_wait_window "安装程序" 2 >/dev/null || fail "the window is gone after the message"
close_and_check_exit "told: ${told//$'\n'/ }"
