#!/usr/bin/env bash
# Walks through the editor's object commands under a virtual X server: the sample start
# menu's frame is copied into a new menu, a label is added there by the popup and the
# new menu is saved as NEW.FIL; a picture button of the start menu is deleted and that
# menu saved; then pemo shows both files. A screenshot of each step goes to the folder
# given (default: ./walk-shots). Works on a copy of samples/ with its own settings.
#
#     tools/xvfb_walk_editing.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 75 "$@"

blocks() { iconv -f cp932 -t utf-8 "$1" | grep -c '^BEGIN' || true; }

cd "$work/menus"
echo "pemoedit with a copy of the start menu ($(blocks START.FIL) blocks):"
start_editor_on_start_menu
shot edit-01-start-menu

# The frame "設定" stands at (16, 220) with 280 x 180 pixels; its lower right is empty.
click_in "$start" 270 390
keys_to "$start" ctrl+c
shot edit-02-frame-copied
keys_to "$start" ctrl+n
fresh=$(window_of $editor 'MENU1')
# No window manager places it: it goes beside the start menu, large enough.
xdotool windowmove "$fresh" 820 80 windowsize "$fresh" 440 400
sleep 0.5
keys_to "$fresh" ctrl+v
shot edit-03-frame-pasted
# The popup of the empty surface: "ｵﾌﾞｼﾞｪｸﾄの追加(&A)", then "ﾗﾍﾞﾙ(&L)".
click_in "$fresh" 380 300 3
shot edit-04-popup 0.5
xdotool key a
sleep 0.5
shot edit-05-add-submenu 0.5
xdotool key l
# A new label has no caption: the property window shows it, 200 x 25 at (0, 0).
shot edit-06-label-added
keys_to "$fresh" ctrl+s
sleep 1
xdotool key ctrl+a
xdotool type --delay 20 "$work/menus/NEW.FIL"
xdotool key Return
shot edit-07-new-saved

# The picture button "ﾌｫﾙﾀﾞ" at (220, 92), 72 x 64 pixels.
xdotool windowraise "$start"
sleep 0.5
click_in "$start" 256 110
shot edit-08-picture-button-selected
keys_to "$start" Delete
shot edit-09-picture-button-deleted
keys_to "$start" ctrl+s
shot edit-10-start-saved
stop $editor
echo "  NEW.FIL: $(blocks NEW.FIL) blocks; START.FIL now: $(blocks START.FIL) blocks"
grep -a -c 'BEGIN LINE' START.FIL | sed 's/^/  LINE blocks kept in START.FIL: /'

echo "pemo on both files:"
"$bin/pemo" NEW.FIL >"$work/pemo-new.log" 2>&1 &
pemo=$!
focus_on $pemo
shot edit-11-pemo-new 2
stop $pemo
"$bin/pemo" START.FIL >"$work/pemo-start.log" 2>&1 &
pemo=$!
focus_on $pemo
shot edit-12-pemo-start 2
stop $pemo
cp NEW.FIL START.FIL "$shots/"
echo "screenshots and the two files in $shots"
