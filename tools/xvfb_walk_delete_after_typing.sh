#!/usr/bin/env bash
# Under a virtual X server: copies of the start and script menus open side by side; a
# label of the start menu gets a caption typed into the property window's row 0 and,
# without Enter, Delete is pressed in the start menu's window. The property window must
# then show the start menu itself. Then the button "ｻﾌﾞﾒﾆｭｰ2 (選択実行)" is deleted through
# its own popup, and the editor must go on running. A screenshot of each step goes to the folder given
# (default: ./walk-shots).
#
#     tools/xvfb_walk_delete_after_typing.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 81 "$@"

cd "$work/menus"
start_editor_with_both_samples
prop=$(window_of $editor "ﾌﾟﾛﾊﾟﾃｨ")
xdotool windowmove "$prop" 0 120
shot delete-01-both-open

# The label "→ ｻﾌﾞﾒﾆｭｰ1 を開く" at (16, 70) of the start menu.
click_in "$start" 100 78
shot delete-02-label-shown
click_in "$prop" 200 "$(row_y 0)"
xdotool key ctrl+a
xdotool type --delay 20 -- "Typed caption"
shot delete-03-caption-typed
keys_to "$start" Delete
shot delete-04-after-delete
# The button at (16, 92), 180 x 28 pixels: its popup, then "削除(&D)".
click_in "$start" 60 105 3
xdotool key d
shot delete-05-button-deleted-by-its-popup
if kill -0 $editor 2>/dev/null; then echo "  pemoedit still runs"; else echo "  pemoedit ENDED"; fi
stop $editor
echo "screenshots in $shots"
