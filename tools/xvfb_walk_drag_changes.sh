#!/usr/bin/env bash
# What the editor shows after changes made while an object is dragged, under a virtual X
# server: on copies of the start menu, Delete while the check box outside the frame is
# dragged (released on the bare page), Ctrl+V while a button is dragged, Ctrl+X while the
# three picture buttons are dragged as a group, and a right click while the check box is
# dragged and while the combo box in the frame is dragged by its arrow button. After each the menu window's picture is compared with the same file saved and
# opened afresh, and the number of pixels that differ is printed (0 is right). WM=openbox
# runs it under a window manager, QT_SCALE_FACTOR=1.5 at 150 %. A screenshot of each step
# goes to the folder given (default: ./walk-shots).
#
#     [WM=openbox] [QT_SCALE_FACTOR=1.5] tools/xvfb_walk_drag_changes.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 110 "$@"
start_window_manager
export QT_SCALE_FACTOR="${QT_SCALE_FACTOR:-1}"
cd "$work/menus"

# px N: N pixels of the menu as the screen counts them at this scale.
px() { awk -v n="$1" -v s="$QT_SCALE_FACTOR" 'BEGIN { printf "%d", n * s + 0.5 }'; }
# to X Y: the pointer to a point of the menu window, in the menu's pixels. The client
# area's corner comes from xwininfo: under a window manager xdotool's geometry counts the
# frame's offset twice.
to() {
  local left top
  left=$(xwininfo -id "$menu_window" | awk '/Absolute upper-left X/ { print $4 }')
  top=$(xwininfo -id "$menu_window" | awk '/Absolute upper-left Y/ { print $4 }')
  xdotool mousemove $((left + $(px "$1"))) $((top + $(px "$2")))
  sleep 0.1
}
# press_and_move X Y DX DY: the left button pressed there and moved by DX, DY in steps.
press_and_move() {
  to "$1" "$2"
  xdotool mousedown 1
  for step in 1 2 3 4; do to $(($1 + $3 * step / 4)) $(($2 + $4 * step / 4)); done
}
# release_at X Y: the pointer moved on there and the button let go.
release_at() { to "$1" "$2"; xdotool mouseup 1; sleep 0.5; }
# window_picture NAME: the menu window alone, the pointer away from it and its tool tips.
window_picture() {
  xdotool mousemove 5 1000
  sleep 1.2
  import -window "$menu_window" "$shots/$1.png"
}

# open_at_one_place FILE: pemoedit on the menu, its window at one place, focused. A
# loaded virtual server now and then refuses a program's first connection: the editor
# gets a second start then.
open_at_one_place() {
  local tries
  for tries in 1 2; do
    menu_window=""
    start_editor_on "$1" "Pemo ｻﾝﾌﾟﾙ" || true
    [ -n "$menu_window" ] && break
    echo "  pemoedit did not show its menu window: $(tail -1 "$work/pemoedit.log")"
    stop "$editor"
  done
  xdotool windowmove "$menu_window" 200 100
  sleep 0.5
  xdotool windowfocus "$menu_window"
  sleep 0.3
}

# open_case NAME: pemoedit on a fresh copy of the start menu.
open_case() {
  cp START.FIL "$1.FIL"
  open_at_one_place "$work/menus/$1.FIL"
}

# compare_with_fresh NAME: the window as the step left it, against the menu saved, closed
# and opened again.
compare_with_fresh() {
  to 470 440
  xdotool click 1
  window_picture "$1-after"
  xdotool windowfocus "$menu_window"
  sleep 0.3
  xdotool key ctrl+s
  sleep 1
  stop "$editor"
  open_at_one_place "$work/menus/$1.FIL"
  to 470 440
  xdotool click 1
  window_picture "$1-afresh"
  shot "$1-screen" 0
  stop "$editor"
  local differing
  differing=$(compare -metric AE "$shots/$1-after.png" "$shots/$1-afresh.png" null: 2>&1 || true)
  echo "$1: $differing pixels differ from the menu opened afresh"
}

echo "window manager: ${WM:-none}, scale: $QT_SCALE_FACTOR"

# The check box outside the frame, dragged; Delete; the release on the bare page.
open_case DELETE
press_and_move 390 240 40 60
xdotool key Delete
shot DELETE-pressed-during-drag
to 440 380
release_at 460 400
compare_with_fresh DELETE

# The link label copied; a button dragged; Ctrl+V; the release.
open_case PASTE
to 100 79
xdotool click 1
xdotool key ctrl+c
press_and_move 100 110 40 40
xdotool key ctrl+v
shot PASTE-pressed-during-drag
release_at 140 150
compare_with_fresh PASTE

# The three picture buttons in a band, dragged by the first; Ctrl+X; the release.
open_case CUT
press_and_move 460 165 -248 -76
xdotool mouseup 1
sleep 0.5
shot CUT-band 0
press_and_move 256 124 30 80
xdotool key ctrl+x
shot CUT-pressed-during-drag
release_at 286 204
compare_with_fresh CUT

# The check box dragged; a right click; the popup closed; the release.
open_case RIGHT
press_and_move 390 240 -60 60
xdotool click 3
sleep 0.5
shot RIGHT-popup-during-drag
xdotool key Escape
sleep 0.3
release_at 330 300
compare_with_fresh RIGHT

# The combo box in the frame, pressed on its arrow button and dragged; a right click; the
# popup closed; the release.
open_case COMBO
press_and_move 200 343 60 40
xdotool click 3
sleep 0.5
shot COMBO-popup-during-drag
xdotool key Escape
sleep 0.3
release_at 260 383
compare_with_fresh COMBO
