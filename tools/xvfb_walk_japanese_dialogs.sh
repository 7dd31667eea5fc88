#!/usr/bin/env bash
# Walks through the details that speak Japanese and the property window's rows under a
# virtual X server without a window manager, with the C locale (LANG=C): pemoedit's open
# dialog in its detail view lists folders, file types and dates in Japanese, each column
# whole; the property window after Ctrl+P shows the menu's rows with no row that went off
# still highlighted; after a row has been edited and the menu clicked, no row that went
# off keeps a caret.
# Screenshots go to the folder given (default ./walk-shots).
#
#     tools/xvfb_walk_japanese_dialogs.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 180 "$@"
export LANG=C LC_ALL=C

cd "$work/menus"
echo "pemoedit under LANG=C:"
start_editor_on_start_menu
prop=$(window_of $editor "ﾌﾟﾛﾊﾟﾃｨ")
xdotool windowmove "$start" 360 80
sleep 0.5

# The open dialog from the start menu's window.
keys_to "$start" ctrl+o
shot japanese-01-open-dialog 1.5
xdotool key Escape
sleep 0.5

# The label "→ ｻﾌﾞﾒﾆｭｰ1 を開く" at (16, 70) of the start menu, its font row focused, then
# Ctrl+P in the menu window: the grid shows the menu's rows, where the font row is off.
click_in "$start" 100 78
click_in "$prop" 200 "$(row_y 7)"
shot japanese-02-label-font-row
keys_to "$start" ctrl+p
shot japanese-03-after-ctrl-p

# A row of the label edited (its width, then Enter), then the menu's empty surface
# clicked: the rows of the label go off while the focus passes down them, and none of
# them keeps a caret (two shots, as a caret blinks).
click_in "$start" 100 78
type_into_row 3 270
shot japanese-04-width-typed
click_in "$start" 400 330
shot japanese-05-surface-clicked 0.7
shot japanese-06-surface-clicked-later 0.4
stop $editor
echo "screenshots in $shots"
