#!/usr/bin/env bash
# Walks through the standard dialogs and the editor's active menu under a virtual X
# server without a window manager (or under the one WM names): in pemoedit the colour
# dialog of the property window speaks Japanese, the about box shows its whole caption
# and the maker's year, and closing one of two menu windows hands the main window's
# caption and commands to the other; pemo's version box likewise.
# Screenshots go to the folder given (default ./walk-shots). pemo runs from a copy of
# the program folder, so that what it writes there stays out of the build.
#
#     [WM=openbox] tools/xvfb_walk_dialogs.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 83 "$@"

# WM=openbox (or another window manager) runs the walk under that window manager.
if [ -n "${WM:-}" ]; then
  "$WM" >/dev/null 2>&1 &
  sleep 1
fi
tag="dialogs${WM:+-$WM}"
mkdir -p "$work/bin"
cp -r "$bin"/. "$work/bin/"
bin="$work/bin"

# main_window: pemoedit's main window, the one whose title starts "PemoEdit".
main_window() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$editor" 2>/dev/null); do
    [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == PemoEdit* ]] && { echo "$id"; return; }
  done
}
main_caption() { xdotool getwindowname "$(main_window)"; }

cd "$work/menus"
echo "pemoedit with two menu windows:"
start_editor_with_both_samples
prop=$(window_of $editor "ﾌﾟﾛﾊﾟﾃｨ")
echo "  caption with both open: $(main_caption)"
shot "$tag-01-two-menus"

# The script menu is the active one; the File menu's "ﾒﾆｭｰの解放(&R)" closes it.
keys_to "$(main_window)" alt+f
xdotool key r
sleep 1
echo "  caption after closing the script menu: $(main_caption)"
shot "$tag-02-after-closing-one"

# The start menu's own colour: its surface clicked, then the "..." of the colour row
# (the menu window moved clear of the property window first).
xdotool windowmove "$start" 420 120
sleep 0.5
click_in "$start" 560 300
click_in "$prop" 200 "$(row_y 5)"
click_in "$prop" 328 "$(row_y 5)"
shot "$tag-03-colour-dialog" 1.5
xdotool key Escape
sleep 0.5

# The about box from the Help menu.
keys_to "$(main_window)" alt+h
xdotool key a
shot "$tag-04-about-box" 1.5
xdotool key Return
sleep 0.5
stop $editor

echo "pemo's version box:"
"$bin/pemo" START.FIL >"$work/pemo.log" 2>&1 &
pemo=$!
focus_on $pemo
sleep 1
xdotool key alt+h
sleep 0.5
xdotool key a
shot "$tag-05-version-box" 1.5
xdotool key Return
sleep 0.5
stop $pemo
echo "screenshots in $shots"
