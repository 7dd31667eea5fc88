#!/usr/bin/env bash
# Walks through the property window under a virtual X server: in a copy of the sample
# start menu a label gets a new caption (row 0, Enter) and the style "選択ﾘﾝｸ先を実行"
# (row 9) and is refused a negative width (row 3); the three picture buttons are selected with a band and given the top 120
# (row 2); the menu is saved and pemo shows it. A screenshot of each step goes to the
# folder given (default: ./walk-shots). Works on a copy of samples/ with its own settings.
#
#     tools/xvfb_walk_property.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 76 "$@"

cd "$work/menus"
echo "pemoedit with a copy of the start menu:"
start_editor_on_start_menu
prop=$(window_of $editor "ﾌﾟﾛﾊﾟﾃｨ")
xdotool windowmove "$start" 360 80
sleep 0.5

# The label "→ ｻﾌﾞﾒﾆｭｰ1 を開く" at (16, 70), 260 x 18 pixels.
click_in "$start" 100 78
shot prop-01-label-shown
type_into_row 0 "Property walk caption"
shot prop-02-caption-committed
# The style list: opened by a click, two entries down to "選択ﾘﾝｸ先を実行".
click_in "$prop" 200 "$(row_y 9)"
xdotool key Down Down Return
sleep 0.5
shot prop-03-style-chosen
# A negative width is refused with a message, and the row shows its old value again.
type_into_row 3 -5
shot prop-04-width-refused
box=$(window_of $editor "PemoEdit" || true)
[ -n "$box" ] && xdotool windowfocus "$box" 2>/dev/null || true
xdotool key Return
sleep 0.5
shot prop-05-width-back

# The three picture buttons stand from (220, 92) to (452, 156); the band starts on the
# empty surface below the last one.
band "$start" 458 160 214 89
shot prop-06-buttons-banded
type_into_row 2 120
shot prop-07-buttons-moved-marks-follow
xdotool windowfocus "$start" 2>/dev/null || true
sleep 0.3
xdotool key ctrl+s
sleep 1
shot prop-08-saved
stop $editor

echo "  STYLE=2 blocks: $(grep -a -c '^    STYLE=2' START.FIL || true); TOP=120: $(grep -a -c '^    TOP=120' START.FIL || true)"
iconv -f cp932 -t utf-8 START.FIL | grep -n "Property walk caption" | sed 's/^/  caption at line /'

echo "pemo on the saved file:"
"$bin/pemo" START.FIL >"$work/pemo-start.log" 2>&1 &
pemo=$!
focus_on $pemo
shot prop-09-pemo-start 2
stop $pemo
cp START.FIL "$shots/"
echo "screenshots and the saved file in $shots"
