#!/usr/bin/env bash
# Walks the property window with hostile input under a virtual X server: values out of
# range and odd texts typed into rows by keyboard alone, a row left half-typed while
# another menu window is clicked, while its object is deleted and while its window is
# released, the "..." dialogs cancelled, and a band of mixed kinds moved; the saved menu
# is opened again in pemoedit and in pemo. A radio button is set alone in its frame, and a
# width is typed around the row's context menu. Screenshots go to the folder given (default
# ./walk-shots); the editor's log is copied beside them.
#
#     tools/xvfb_walk_property_hostile.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 80 "$@"

# Answers an open message box with Enter, when there is one.
answer_box() {
  local box
  box=$(xdotool search --onlyvisible --pid "$editor" --name "^PemoEdit$" 2>/dev/null | grep -vx "$main" | tail -1 || true)
  if [ -n "$box" ]; then xdotool windowfocus "$box" 2>/dev/null || true; xdotool key "${1:-Return}"; sleep 0.5; fi
}
alive() { kill -0 "$editor" 2>/dev/null && echo "  pemoedit still runs" || { echo "  PEMOEDIT ENDED"; exit 1; }; }

cd "$work/menus"
start_editor_on_start_menu
focus_on $editor; open_menu SUB1.FIL
sub=$(window_of $editor "ｻﾌﾞﾒﾆｭｰ1")
prop=$(window_of $editor "ﾌﾟﾛﾊﾟﾃｨ")
main=$(window_of $editor "PemoEdit.*" | head -1)
xdotool windowmove "$start" 360 60
xdotool windowmove "$sub" 860 560
sleep 0.5

echo "hostile values into the label's rows:"
click_in "$start" 100 78
type_into_row 1 99999999999
shot hostile-01-huge-left-refused
answer_box
type_into_row 3 -2147483648
answer_box
type_into_row 7 "Arial,1e30,True,False,False"
shot hostile-02-giant-font
answer_box
type_into_row 7 "ＭＳ ｺﾞｼｯｸ,0,True,False,False"
answer_box
type_into_row 6 "&HFF"
type_into_row 11 '-1,"q"'
type_into_row 8 'a,b "c".exe'
type_into_row 0 "$(printf 'L%.0s' $(seq 600))"
shot hostile-03-long-caption
alive

echo "Escape and Tab in a row:"
put_into_row 0 "Escaped caption"
xdotool key Escape
sleep 0.3
xdotool key Tab
sleep 0.5
shot hostile-04-escape-then-tab

echo "a menu title half-typed, then the other menu window clicked:"
click_in "$start" 440 400
put_into_row 0 "Title for START"
click_in "$sub" 300 300
shot hostile-05-title-then-other-window
alive

echo "a caption half-typed, then its label deleted with the Delete key:"
click_in "$start" 100 78
put_into_row 0 "Caption of a deleted label"
xdotool windowfocus "$start"
sleep 0.3
xdotool key Delete
sleep 0.5
answer_box
shot hostile-06-deleted-while-edited
alive

echo "a caption half-typed in the other menu, then that window released from the File menu:"
click_in "$sub" 60 30
put_into_row 0 "Caption in a released window"
# The File menu of the main window, then its item "ﾒﾆｭｰの解放(&R)".
click_in "$main" 20 8
xdotool key r
sleep 1
shot hostile-07-release-asks
answer_box n
sleep 0.5
shot hostile-08-released
alive

echo "the dialogs, each cancelled:"
# The radio button "標準" in the frame: frame at (16, 220), radio at (12, 24) inside.
click_in "$start" 60 252
click_in "$prop" 200 "$(row_y 5)"
click_in "$prop" 326 "$(row_y 5)"
sleep 1
shot hostile-09-colour-dialog
xdotool key Escape
sleep 0.5
click_in "$prop" 200 "$(row_y 7)"
click_in "$prop" 326 "$(row_y 7)"
sleep 1
shot hostile-10-font-dialog
xdotool key Escape
sleep 0.5
click_in "$start" 250 120
click_in "$prop" 200 "$(row_y 10)"
click_in "$prop" 326 "$(row_y 10)"
sleep 1
shot hostile-11-picture-dialog
xdotool key Escape
sleep 0.5
shot hostile-12-dialogs-cancelled
alive

echo "the second radio button set through its Value row; its width half-typed around a context menu:"
click_in "$start" 60 276
type_into_row 14 -1
shot hostile-13-radio-set-alone
put_into_row 3 99999
click_in "$prop" 200 "$(row_y 3)" 3
shot hostile-14-context-menu-no-commit
xdotool key Escape
sleep 0.3
xdotool key End BackSpace BackSpace BackSpace Return
sleep 0.5
shot hostile-15-width-after-context-menu
alive

echo "a band over a button and two images, given rows 1 and 2:"
band "$start" 200 214 8 92
shot hostile-16-mixed-band
type_into_row 1 "１２"
type_into_row 2 99999999999
answer_box
type_into_row 2 20
shot hostile-17-mixed-moved
alive

xdotool windowfocus "$start"
sleep 0.3
xdotool key ctrl+s
sleep 1
answer_box
shot hostile-18-saved
stop $editor
cp START.FIL "$shots/hostile-START.FIL"
cp "$work/pemoedit.log" "$shots/hostile-pemoedit.log"

echo "the saved menu in pemoedit again:"
"$bin/pemoedit" >"$work/pemoedit2.log" 2>&1 &
editor=$!
focus_on $editor
sleep 1
focus_on $editor; open_menu START.FIL
shot hostile-19-reopened-in-pemoedit
stop $editor

echo "and in pemo:"
"$bin/pemo" START.FIL >"$work/pemo.log" 2>&1 &
pemo=$!
focus_on $pemo
shot hostile-20-pemo 2
stop $pemo
echo "screenshots in $shots"
