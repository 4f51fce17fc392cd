#!/usr/bin/env bash
# One installation under Xvfb and Wine, driven as a user would with xdotool.
# Usage: install_scenario.sh SCENARIO BUILD_DIR PAYLOAD_ZIP BRAND_FOLDER PRODUCT_NAME
#   answer_no         install, dismiss the warning, answer No: files, attributes, link, no tool.zip left
#   answer_yes        the same, answering Yes: the product starts from the installer's folder
#   temp_unwritable   the temporary folder takes no file: the archive goes to the drive root and goes again
#   extraction_fails  the product's executable is held open: the failure message, no link, window open
# Each scenario installs into its own D: drive (a folder of its own) and puts
# back what it changes in the Wine prefix. Screenshots go to
# BUILD_DIR/artifacts/e2e/SCENARIO-*.png.
# shellcheck source=scenario_common.sh
source "$(dirname "$0")/scenario_common.sh" "$@"
rm -rf "$work" "$shots/$scenario"-*.png
mkdir -p "$work/drive" "$work/expected"

# The scenario's own drive D:, put back afterwards.
d_link=$WINEPREFIX/dosdevices/d:
d_before=$(readlink "$d_link" || true)
installer_pid=
holder_pid=
restore() {
  if [ -n "$installer_pid" ]; then kill "$installer_pid" 2>/dev/null || true; fi
  if [ -n "$holder_pid" ]; then touch "$work/release"; wait "$holder_pid" 2>/dev/null || true; fi
  rm -f "$d_link"
  if [ -n "$d_before" ]; then ln -s "$d_before" "$d_link"; fi
  if [ -n "${temp_moved:-}" ]; then rm -f "$temp_unix"; mv "$temp_moved" "$temp_unix"; fi
  rm -f "${link_unix:-/nonexistent}"
}
trap restore EXIT
rm -f "$d_link"
ln -s "$work/drive" "$d_link"

install_win="D:\\$brand\\$product"
install_unix=$work/drive/$brand/$product
temp_win=$(win cmd /c echo %TEMP%)
temp_unix=$(unix_path "$temp_win")
desktop_win=$(win cmd /c echo %USERPROFILE%)\\Desktop
link_win="$desktop_win\\$product.lnk"
link_unix=$(unix_path "$link_win")
exe_win="$install_win\\$product.exe"
[ -d "$temp_unix" ] || fail "no temporary folder at $temp_unix"
rm -f "$link_unix" "$temp_unix/tool.zip"
(cd "$work/expected" && unzip -q "$payload")

case $scenario in
  temp_unwritable)
    # A file where the temporary folder should be: nothing can be created in it.
    temp_moved=$work/temp-aside
    mv "$temp_unix" "$temp_moved"
    touch "$temp_unix"
    ;;
  extraction_fails)
    # A running copy of the product holds its executable, as a user's open
    # program would: the last entry cannot be written.
    mkdir -p "$install_unix"
    wine "$bin/hold_file.exe" "$exe_win" "$(winepath -w "$work/release" | tr -d '\r')" >"$work/holder.out" 2>/dev/null &
    holder_pid=$!
    for _ in $(seq 100); do grep -q held "$work/holder.out" 2>/dev/null && break; sleep 0.1; done
    grep -q held "$work/holder.out" || fail "could not hold $exe_win"
    ;;
esac

start_installer

gui_click "$main" 124 295  # the install button
box=$(gui_wait_window "信息：" 20) || fail "no warning after the click"
sleep 0.5
shot 2-warning
gui_key "$box" Return
warning=$box

if [ "$scenario" = extraction_fails ]; then
  # The failure message carries the warning's title; it is another window.
  for _ in $(seq 600); do
    box=$(xdotool search --onlyvisible --name "信息：" 2>/dev/null | grep -vx "$warning" | head -n 1 || true)
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no failure message"
  sleep 0.5
  shot 3-failure
  [ -e "$link_unix" ] && fail "a shortcut was made for a failed installation"
  gui_key "$box" Return
  gui_wait_gone "信息：" 10 || fail "the failure message did not close"
  sleep 0.5
  shot 4-after-failure
  kill -0 "$installer_pid" 2>/dev/null || fail "the installer ended after the failure"
  gui_wait_window "安装程序" 2 >/dev/null || fail "the window is gone after the failure"
  [ -e "$temp_unix/tool.zip" ] && fail "tool.zip left in the temporary folder"
  [ -e "$work/drive/tool.zip" ] && fail "tool.zip left in the drive root"
  # The other entries were written; only the held one is missing its content.
  cmp -s "$work/expected/readme.txt" "$install_unix/readme.txt" || fail "readme.txt not unpacked before the failure"
  # The "×" ends the program normally.
  gui_click "$main" 236 20
  status=0
  wait "$installer_pid" || status=$?
  installer_pid=
  [ "$status" = 0 ] || fail "exit code $status after closing"
  echo "PASS [$scenario]"
  exit 0
fi

gui_wait_gone "信息：" 10 || fail "the warning did not close"
question=$(gui_wait_window "温馨提示：" 60) || fail "no completion question"
sleep 0.5
shot 3-question
# The archive lies where this run wrote it until the completion deletes it.
if [ "$scenario" = temp_unwritable ]; then written=$work/drive/tool.zip; else written=$temp_unix/tool.zip; fi
cmp -s "$payload" "$written" || fail "the archive is not at $written while the question is open"
[ "$scenario" = answer_yes ] && answer=y || answer=n
gui_key "$question" "$answer"

status=0
for _ in $(seq 200); do kill -0 "$installer_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$installer_pid" 2>/dev/null && fail "the installer did not end after the question"
wait "$installer_pid" || status=$?
installer_pid=
[ "$status" = 0 ] || fail "exit code $status"

# The install folder holds exactly the payload, byte for byte.
if [ "$scenario" = answer_yes ]; then
  for _ in $(seq 100); do [ -s "$install_unix/started.txt" ] && break; sleep 0.1; done
  [ -s "$install_unix/started.txt" ] || fail "the product did not start (no started.txt)"
  sleep 1
  shot 4-product
  mapfile -t marker < <(iconv -f GBK -t UTF-8 "$install_unix/started.txt" | tr -d '\r')
  [ "${marker[0]}" = "$exe_win" ] || fail "the product ran as ${marker[0]}, not $exe_win"
  bin_win=$(winepath -w "$bin" | tr -d '\r')
  [ "${marker[1],,}" = "${bin_win,,}" ] || fail "the product's current folder is ${marker[1]}, not $bin_win"
  mv "$install_unix/started.txt" "$work/started.txt"
  # The product's window closes it.
  product_window=$(gui_wait_window "$product" 10) || fail "no product window"
  xdotool windowclose "$product_window" 2>/dev/null || true
fi
diff -r "$work/expected" "$install_unix" >"$work/diff.txt" || fail "install folder differs from the payload: $(head -5 "$work/diff.txt")"

# Normal attributes on every unpacked file, the directory attribute on the folder.
mapfile -t entries < <(cd "$work/expected" && find . -mindepth 1 | sed 's|^\./||' | sort)
args=()
for entry in "${entries[@]}"; do args+=("$install_win\\${entry//\//\\}"); done
mapfile -t found < <(win "$bin/file_attributes.exe" "${args[@]}")
for i in "${!entries[@]}"; do
  attributes=${found[$i]%% *}
  # A folder: directory only; a file: archive (as packed) or normal, nothing read-only or hidden.
  if [ -d "$work/expected/${entries[$i]}" ]; then allowed=" 10 "; else allowed=" 20 80 "; fi
  [[ $allowed == *" $attributes "* ]] || fail "attributes $attributes on ${entries[$i]}, expected one of$allowed"
done

# The desktop link points at the product's executable, with no working folder.
[ -e "$link_unix" ] || fail "no desktop link at $link_win"
mapfile -t link < <(win "$bin/read_link.exe" "$link_win")
[ "${link[0]}" = "target $exe_win" ] || fail "link ${link[0]}, expected target $exe_win"
[ "${link[1]}" = "folder " ] || fail "link has a working folder: ${link[1]}"

# No temporary archive anywhere.
[ -e "$temp_unix/tool.zip" ] && fail "tool.zip left in the temporary folder"
[ -e "$work/drive/tool.zip" ] && fail "tool.zip left in the drive root"
echo "PASS [$scenario]"
