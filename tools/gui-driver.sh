# Sourced by the GUI tests and the demo run: finds Wine's windows on the X
# display, takes screenshots and presses keys and buttons as a user would.
# With no window manager under Xvfb, windows have no frames: X geometry is the
# Win32 window rectangle.

# gui_wait_window TITLE [SECONDS] -> prints the X window id of the first
# visible window whose name matches TITLE.
gui_wait_window() {
  local title=$1 seconds=${2:-20} id
  local tries=$((seconds * 10))
  for _ in $(seq "$tries"); do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# gui_wait_gone TITLE [SECONDS]: until no visible window matches TITLE.
gui_wait_gone() {
  local title=$1 seconds=${2:-20}
  for _ in $(seq $((seconds * 10))); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# gui_geometry ID -> sets X Y WIDTH HEIGHT.
gui_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

gui_shot() {
  import -window root "$1" 2>/dev/null
}

# gui_shot_window ID FILE: the window's rectangle cut out of the screen.
gui_shot_window() {
  local X Y WIDTH HEIGHT
  gui_geometry "$1"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2" 2>/dev/null
}

# gui_key ID KEY: focus the window and press a key (a mnemonic, Return, ...).
gui_key() {
  xdotool windowfocus "$1" 2>/dev/null || true
  sleep 0.3
  xdotool key "$2"
}

# gui_click ID DX DY: a left click at DX,DY inside the window.
gui_click() {
  local X Y WIDTH HEIGHT
  gui_geometry "$1"
  xdotool mousemove $((X + $2)) $((Y + $3))
  sleep 0.2
  xdotool click 1
}

# gui_pixel FILE X Y -> "R,G,B" of a pixel of a screenshot.
gui_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
