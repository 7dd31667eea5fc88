#!/usr/bin/env bash
# A user's round of the editor's object commands under a virtual X server: copies of the
# start and script menus open side by side; a label is copied from one to the other, the
# start menu's frame is cut and pasted back, everything there is selected and deleted,
# one object of each kind is added by the popup, the clipboard is pasted again and again,
# the script menu is released without saving while its objects are on the clipboard and
# they are pasted into a new menu; the start menu is saved and pemo shows it. A
# screenshot of each step goes to the folder given (default: ./walk-shots).
#
#     tools/xvfb_walk_object_commands.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 78 "$@"

# add_by_popup WINDOW X Y LETTER: the surface's popup, its add submenu, the kind's item.
add_by_popup() {
  click_in "$1" "$2" "$3" 3
  xdotool key a
  sleep 0.3
  xdotool key "$4"
  sleep 0.5
}

blocks() { iconv -f cp932 -t utf-8 "$1" | grep -c '^BEGIN' || true; }

cd "$work/menus"
start_editor_with_both_samples
shot objects-01-both-open

# The title label of the start menu, copied and pasted into the script menu.
click_in "$start" 100 20
keys_to "$start" ctrl+c
keys_to "$script" ctrl+v
shot objects-02-label-pasted-in-script

# The frame is cut, then pasted back: it comes back at the top left with its contents.
click_in "$start" 270 390
keys_to "$start" ctrl+x
shot objects-03-frame-cut
keys_to "$start" ctrl+v
shot objects-04-frame-pasted-back

# A band around everything on the page, then Delete.
click_in "$start" 440 440
band "$start" 440 440 2 2
shot objects-05-all-selected
keys_to "$start" Delete
shot objects-06-all-deleted

# One object of each kind by the popup, each while the menu itself is active.
for letter in l b p i r c f m; do
  click_in "$start" 420 440
  add_by_popup "$start" 420 440 "$letter"
done
shot objects-07-each-kind-added

# The frame pasted ten times.
keys_to "$start" ctrl+v ctrl+v ctrl+v ctrl+v ctrl+v ctrl+v ctrl+v ctrl+v ctrl+v ctrl+v
shot objects-08-pasted-ten-times

# The script menu's buttons copied by a band, the script menu released without saving.
click_in "$script" 300 250
band "$script" 10 55 175 240
keys_to "$script" ctrl+c
shot objects-09-script-buttons-copied
# The main window's file menu, at the top left of the screen: "ﾒﾆｭｰの解放(&R)".
xdotool mousemove 28 8 click 1
sleep 0.5
xdotool key r
shot objects-10-release-prompt
xdotool key n
sleep 0.5
shot objects-11-script-released
keys_to "$start" ctrl+n
fresh=$(window_of $editor 'MENU1')
xdotool windowmove "$fresh" 800 120 windowsize "$fresh" 440 400
keys_to "$fresh" ctrl+v
shot objects-12-pasted-after-release

keys_to "$start" ctrl+s
shot objects-13-start-saved
stop $editor
echo "  START.FIL now: $(blocks START.FIL) blocks; LINE blocks: $(grep -a -c 'BEGIN LINE' START.FIL)"
cp START.FIL "$shots/OBJECTS-START.FIL"
cp "$work/pemoedit.log" "$shots/"
grep -i "warn\|error\|assert" "$work/pemoedit.log" | head -20 || true

"$bin/pemo" START.FIL >"$work/pemo-start.log" 2>&1 &
pemo=$!
focus_on $pemo
shot objects-14-pemo-start 2
stop $pemo
echo "screenshots in $shots"
