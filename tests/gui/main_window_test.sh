#!/usr/bin/env bash
# Starts the installer under the virtual display and Wine prepared by
# tools/wine-env.sh, and checks what a user sees: the window's size and place,
# the hidden progress bar and 图片框1, no trace of the two covered panels, the
# default folder in its label (C: without a drive D:, D: with a roomy one),
# and a clean exit when the left button is released over the "×".
# Usage: main_window_test.sh INSTALLER CAPTION_PROBE ART_FOLDER ARTIFACTS_FOLDER
set -euo pipefail
installer=$1 probe=$2 art=$3 artifacts=$4
: "${DISPLAY:?no display: run through tools/test.sh}" "${WINEPREFIX:?no Wine prefix: run through tools/test.sh}"
mkdir -p "$artifacts"
title="Lunetra Product L - 安装程序"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

drive_d=$WINEPREFIX/dosdevices/d:
roomy_folder=$(mktemp -d "${TMPDIR:-/tmp}/drive-d.XXXXXX")
saved_d=""
if [ -e "$drive_d" ] || [ -L "$drive_d" ]; then saved_d=$(readlink "$drive_d"); rm -f "$drive_d"; fi
installer_pid=""
cleanup() {
  if [ -n "$installer_pid" ]; then kill "$installer_pid" 2>/dev/null || true; fi
  rm -f "$drive_d"
  if [ -n "$saved_d" ]; then ln -s "$saved_d" "$drive_d"; fi
  rm -rf "$roomy_folder"
}
trap cleanup EXIT

# count_pixels FILE WxH+X+Y CONDITION: pixels of the region whose r, g, b meet the awk condition.
count_pixels() {
  convert "$1" -crop "$2" +repage -depth 8 txt:- |
    awk -F'[(),: ]+' "NR > 1 { r = \$3; g = \$4; b = \$5; if ($3) n++ } END { print n + 0 }"
}

window_id=""
start_installer() {
  xdotool mousemove 0 0
  wine "$installer" &
  installer_pid=$!
  for _ in $(seq 200); do
    window_id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1) && [ -n "$window_id" ] && break
    sleep 0.1
  done
  [ -n "$window_id" ] || { fail "no window titled '$title'"; exit 1; }
  sleep 1.5  # let the first paint settle
}

# The caption of the control at a point of the window, in UTF-8.
caption_at() {
  wine "$probe" $((win_x + $1)) $((win_y + $2)) | iconv -f GBK -t UTF-8
}

close_on_the_cross() {
  # Pressed on the bare panel, released over the "×": the release alone ends the program.
  xdotool mousemove $((win_x + 5)) $((win_y + 150)) mousedown 1
  sleep 0.2
  xdotool mousemove $((win_x + 1 + 236)) $((win_y + 1 + 20)) mouseup 1
  local code=0
  for _ in $(seq 50); do kill -0 "$installer_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$installer_pid" 2>/dev/null; then fail "still running 5 s after the release on ×"; return; fi
  wait "$installer_pid" || code=$?
  installer_pid=""
  [ "$code" -eq 0 ] || fail "exit code $code after the release on ×, expected 0"
}

# --- Without a drive D: -------------------------------------------------------
start_installer
eval "$(xdotool getwindowgeometry --shell "$window_id")"
win_x=$X win_y=$Y
screen_width=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
[ "$WIDTH" -eq 250 ] && [ "$HEIGHT" -eq 400 ] || fail "window is ${WIDTH}x${HEIGHT}, expected 250x400"
[ "$Y" -eq 300 ] || fail "window top is $Y, expected 300"
[ "$X" -eq $(((screen_width - 250) / 2)) ] || fail "window left is $X, expected centred"

shot=$artifacts/main_window.png
import -window root "$shot"
convert "$shot" -crop "250x400+$win_x+$win_y" +repage "$artifacts/main_window_crop.png"
window=$artifacts/main_window_crop.png

# The covered panels and the window's own background are light blue (117, 184, 238): none may show.
light_blue=$(count_pixels "$window" 250x400+0+0 'r >= 112 && r <= 122 && g >= 179 && g <= 189 && b >= 233 && b <= 243')
[ "$light_blue" -eq 0 ] || fail "$light_blue light-blue pixels: a covered panel shows"
# The main panel's blue fills the margins.
panel_blue=$(count_pixels "$window" 8x200+2+40 'r == 22 && g == 131 && b == 196')
[ "$panel_blue" -eq 1600 ] || fail "left margin not the panel's blue ($panel_blue of 1600)"
# 图片框1 (the red-on-yellow brand emblem at 8,8) stays hidden: no red there.
red=$(count_pixels "$window" 24x24+8+8 'r > 180 && g < 100 && b < 100')
[ "$red" -eq 0 ] || fail "$red red pixels where the hidden 图片框1 lies"
# The install button shows its picture down to its last row: the hidden bar covers none of it.
# (The button lies at 14,255 inside the panel's one-pixel border; the bar would cover its rows 72-79
# from x 7 to 211.)
convert "$window" -crop 220x80+15+256 +repage "$artifacts/install_button.png"
strip_error=$(compare -metric MAE \( "$artifacts/install_button.png" -crop 205x8+7+72 +repage \) \
  \( "$art/install_normal.jpg" -crop 205x8+7+72 +repage \) null: 2>&1 | sed -E 's/.*\((.*)\).*/\1/')
awk -v e="$strip_error" 'BEGIN { exit !(e < 0.03) }' || fail "button's bottom rows differ from its picture (MAE $strip_error): the bar shows"
button_error=$(compare -metric MAE "$artifacts/install_button.png" "$art/install_normal.jpg" null: 2>&1 | sed -E 's/.*\((.*)\).*/\1/')
awk -v e="$button_error" 'BEGIN { exit !(e < 0.03) }' || fail "install button differs from its normal picture (MAE $button_error)"

folder=$(caption_at $((1 + 7 + 116)) $((1 + 367 + 12)))
[ "$folder" = 'C:\Lunetra软件\Lunetra Product I' ] || fail "install folder label reads '$folder' without a drive D:"
close_on_the_cross

# --- With a drive D: on a volume with room --------------------------------------
free_mb=$(df -Pm "$roomy_folder" | awk 'NR == 2 { print $4 }')
if [ "$free_mb" -ge 1100 ]; then
  ln -s "$roomy_folder" "$drive_d"
  start_installer
  folder=$(caption_at $((1 + 7 + 116)) $((1 + 367 + 12)))
  [ "$folder" = 'D:\Lunetra软件\Lunetra Product I' ] || fail "install folder label reads '$folder' with a roomy drive D:"
  import -window root -crop "250x400+$win_x+$win_y" +repage "$artifacts/main_window_drive_d.png"
  close_on_the_cross
else
  fail "the volume of $roomy_folder has only $free_mb MB free: the drive D: case cannot run"
fi

echo "screenshots in $artifacts"
if [ "$failures" -gt 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "all main-window checks passed"
