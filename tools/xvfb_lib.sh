# Shared pieces of the walks under a virtual X server; sourced by tools/xvfb_walk*.sh.
# Sets root, bin, shots and work, starts Xvfb on the display given, and gives each
# walk its own XDG_CONFIG_HOME and a copy of samples/ in "$work/menus".
#
#     source "$(dirname "$0")/xvfb_lib.sh" DISPLAY_NUMBER [build/bin] [shots folder]
#
# PEMO_DISPLAY=N runs the walk on display :N instead.
#
# With PEMO_SANITIZE=1 the walks run the sanitizer build (build-sanitize/bin).
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
display_number="${PEMO_DISPLAY:-$1}"
# PEMO_SANITIZE=1 walks the sanitizer build, with its options.
bin="$(cd "${2:-$root/$(bash "$root/scripts/build_dir.sh")/bin}" && pwd)"
if [ "${PEMO_SANITIZE:-0}" = 1 ]; then source "$root/scripts/sanitizer/environment.sh"; fi
shots="$(mkdir -p "${3:-walk-shots}" && cd "${3:-walk-shots}" && pwd)"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

export DISPLAY=":$display_number" XDG_CONFIG_HOME="$work/config" PEMO_POWER_DRY_RUN=1
cp -r "$root/samples" "$work/menus"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
sleep 1

# shot NAME [seconds to wait first]
shot() { sleep "${2:-1}"; import -window root "$shots/$1.png"; echo "  $1.png"; }

# There is no window manager: keys go to the window that is given the focus.
focus_on() {
  local window=""
  for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | tail -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null || true
}

# start_window_manager: WM=openbox (or another window manager) runs the walk under it;
# without WM the walk has no window manager.
start_window_manager() {
  if [ -n "${WM:-}" ]; then
    "$WM" >/dev/null 2>&1 &
    sleep 1
  fi
}

# running_apps_submenu PID WINDOW: the runtime window's popup at an empty place of the
# page, with its submenu "実行中のｱﾌﾟﾘｹｰｼｮﾝ(&R)" open.
running_apps_submenu() {
  focus_on "$1"
  xdotool mousemove --window "$2" 400 300 click 3
  sleep 0.7
  xdotool key Down Right
  sleep 0.5
}

# choose_running_item WINDOW: Return on the submenu's highlighted item, and whether the
# program's WINDOW then has the focus.
choose_running_item() {
  echo "  focus before choosing the item: $(xdotool getwindowfocus)"
  xdotool key Return
  sleep 0.7
  local focused
  focused=$(xdotool getwindowfocus)
  echo "  focus after choosing the item: $focused, the program's window: $1"
  [ "$focused" = "$1" ] && echo "  the chosen program has the focus" || echo "  FOCUS NOT GIVEN"
}

# stop PID: ends a program started by the walk and waits for it.
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

# window_of PID TITLE [TRIES] [SECONDS BETWEEN]: the visible window of the program with that
# title, looked for 50 times 0.2 s apart unless told otherwise.
window_of() {
  local id
  for _ in $(seq "${3:-50}"); do
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
      if xdotool getwindowname "$id" 2>/dev/null | grep -qx -- "$2"; then echo "$id"; return; fi
    done
    sleep "${4:-0.2}"
  done
  return 1
}

# at WINDOW X Y: the pointer to a point of the window's client area.
at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3))
}

# click_in WINDOW X Y [BUTTON]: a click at a point of the window's client area.
click_in() {
  at "$1" "$2" "$3"
  xdotool click "${4:-1}"
  sleep 0.5
}

# keys_to WINDOW KEY...: the window gets the focus, then the keys.
keys_to() {
  local window="$1"
  shift
  xdotool windowfocus "$window" 2>/dev/null || true
  sleep 0.3
  xdotool key "$@"
  sleep 0.5
}

# open_menu FILE: Ctrl+O in the editor window that has the focus, the file's name typed
# (a name without a folder is taken from "$work/menus").
open_menu() {
  local file="$1"
  [[ "$file" == */* ]] || file="$work/menus/$file"
  xdotool key ctrl+o
  sleep 1
  xdotool type --delay 20 "$file"
  xdotool key Return
  sleep 1
}

# start_editor_on FILE TITLE: pemoedit ("$editor") with the menu file open in a menu window
# ("$menu_window", the one with that title); its output goes to "$work/pemoedit.log".
start_editor_on() {
  "$bin/pemoedit" >"$work/pemoedit.log" 2>&1 &
  editor=$!
  focus_on $editor
  sleep 1
  open_menu "$1"
  menu_window=$(window_of $editor "$2")
}

# start_editor_on_start_menu: pemoedit ("$editor") with the copy of START.FIL open in a menu
# window ("$start").
start_editor_on_start_menu() {
  start_editor_on "$work/menus/START.FIL" "Pemo ｻﾝﾌﾟﾙ"
  start=$menu_window
}

# start_editor_with_both_samples: pemoedit with copies of the start and script menus side
# by side; sets editor, start and script (the process and the two menu windows).
start_editor_with_both_samples() {
  start_editor_on_start_menu
  xdotool windowmove "$start" 300 120
  xdotool windowfocus "$start"
  sleep 0.3
  open_menu "$work/menus/SCRIPT.FIL"
  script=$(window_of $editor "ｽｸﾘﾌﾟﾄのｻﾝﾌﾟﾙ")
  xdotool windowmove "$script" 800 120
}

# The property window's rows, in the window "$prop": a row's editor stands 102 pixels
# from the left, the rows 22 pixels apart from 32 down.
row_y() { echo $((32 + 22 * $1 + 10)); }
# put_into_row ROW TEXT: the row's editor clicked and its text replaced by keyboard.
put_into_row() {
  click_in "$prop" 200 "$(row_y "$1")"
  xdotool key ctrl+a
  xdotool type --delay 10 -- "$2"
  sleep 0.3
}
# type_into_row ROW TEXT: as put_into_row, then Enter.
type_into_row() { put_into_row "$1" "$2"; xdotool key Return; sleep 0.5; }

# band WINDOW X1 Y1 X2 Y2: a band drawn with the left button from one point of the window
# to the other, the pointer moved there in steps as a hand would.
band() {
  local window="$1" x1="$2" y1="$3" x2="$4" y2="$5"
  at "$window" "$x1" "$y1"
  xdotool mousedown 1
  for step in 1 2 3 4 5; do
    at "$window" $((x1 + (x2 - x1) * step / 5)) $((y1 + (y2 - y1) * step / 5))
    sleep 0.1
  done
  xdotool mouseup 1
  sleep 0.5
}
