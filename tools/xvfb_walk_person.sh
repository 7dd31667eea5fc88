#!/usr/bin/env bash
# Uses pemo as a person would, under a virtual X server: the menu bar's four menus,
# the tree pane, the RUN menu, favourites, the page's popup, the launcher bar, the
# sample menus, and a second start that must find everything as it was left.
# Screenshots go to the folder given (default ./walk-shots), named person-*.png.
# The programs run from a copy of the program folder, so that the files written in its
# user folder stay out of the build.
#
#     tools/xvfb_walk_person.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 82 "$@"

mkdir -p "$work/bin/PemoUser"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
cp -r "$bin"/doc "$work/bin/" 2>/dev/null || true
{
  printf '[APP]\r\n'
  printf 'App0=clock,xclock -geometry 120x120+1100+40\r\n'
} >"$work/bin/PemoUser/PEMORUN.DAT"

start_pemo() {
  cd "$work/menus"
  "$work/bin/pemo" "$@" >>"$work/pemo.log" 2>&1 &
  pemo=$!
  focus_on $pemo
  sleep 1.5
}
main_window() { window_of $pemo "$1"; }
geometry() { xdotool getwindowgeometry "$1" | tr '\n' ' '; echo; }
# menu KEYS...: the keys to the runtime window (not to the launcher bar, also pemo's).
menu() { xdotool windowfocus "$win" 2>/dev/null || true; sleep 0.3; xdotool key --delay 150 "$@"; sleep 0.6; }

echo "first start with START.FIL:"
start_pemo START.FIL
shot person-01-first-start
win=$(main_window "Pemo ｻﾝﾌﾟﾙ")
echo "  main window: $(geometry "$win")"

echo "the four menus of the bar:"
menu alt+m
shot person-02-menu-menu 0.3
xdotool key Escape Escape
menu alt+r
shot person-03-run-menu 0.3
xdotool key Escape Escape
menu alt+o
shot person-04-option-menu 0.3
xdotool key Escape Escape
menu alt+h
shot person-05-help-menu 0.3
xdotool key Escape Escape

echo "version dialog:"
menu alt+h a
shot person-06-version 0.5
xdotool key Return
sleep 0.5

echo "tree pane (Ctrl+T), a node clicked:"
menu ctrl+t
shot person-07-tree-pane
menu alt+m
shot person-08-menu-with-tree-checked 0.3
xdotool key Escape Escape

echo "favourites: Ctrl+U, then the submenu:"
menu ctrl+u
menu alt+m u
shot person-09-favourites 0.3
xdotool key Escape Escape Escape

echo "the page popup (right click):"
click_in "$win" 600 400 3
shot person-10-page-popup 0.3
at "$win" 660 410; sleep 0.3; at "$win" 670 412
shot person-11-page-popup-running 0.5
xdotool key Escape Escape Escape

echo "the launcher bar (F2):"
menu F2
shot person-12-launcher
menu alt+r
shot person-13-run-menu-launcher-checked 0.3
xdotool key Escape Escape

echo "SUB1 by the label link, then back with Ctrl+M:"
click_in "$win" 300 94
shot person-14-sub1
menu ctrl+m
shot person-15-top-again

echo "F5, F6, Ctrl+R, Ctrl+F2, DELUSER, the shutdown question:"
menu F6
shot person-22-control-panel 0.5
xdotool key Return
menu ctrl+r
shot person-23-runreg 0.5
xdotool key Escape
menu ctrl+F2
shot person-24-font-dialog 0.5
xdotool key Escape
menu alt+m u d
shot person-25-deluser 0.5
xdotool key Escape
menu alt+m e
shot person-26-shutdown-question 0.5
xdotool key n
echo "a program from the page (待機 20秒), then the popup's running programs:"
click_in "$win" 620 140
sleep 1
click_in "$win" 600 400 3
at "$win" 660 410; sleep 0.3; at "$win" 670 412
shot person-27-popup-running-pause 0.5
xdotool key Escape Escape
echo "SUB2's selection run:"
click_in "$win" 300 128
shot person-28-sub2 1
echo "the launcher's popup:"
xdotool mousemove 20 20 click 3
shot person-29-launcher-popup 0.5
xdotool key Escape
menu ctrl+m
echo "closing while 待機 20秒 runs is refused:"
click_in "$win" 620 140
menu alt+m x
shot person-30-close-refused 0.5
xdotool key Return
sleep 21
echo "closed from its menu:"
menu alt+m x
for _ in $(seq 25); do kill -0 $pemo 2>/dev/null || break; sleep 0.2; done
stop $pemo
ls "$work/bin/PemoUser/" | sed 's/^/  user folder: /'
cat "$work/bin/PemoUser/"*.USER 2>/dev/null | iconv -f cp932 -t utf-8 | sed 's/^/  favourites: /' || echo "  no favourites file"
grep -E 'TreeView|ShowLaunch|Segment' -r "$XDG_CONFIG_HOME" 2>/dev/null | head -5 | sed 's/^/  settings: /' || true

echo "second start: the place, the tree pane, the launcher, the run list, the favourites:"
start_pemo START.FIL
shot person-16-second-start 1.5
win=$(main_window "Pemo ｻﾝﾌﾟﾙ")
echo "  main window: $(geometry "$win")"
echo "  windows: $(for w in $(xdotool search --onlyvisible --pid $pemo); do xdotool getwindowname $w; done | tr '\n' '|')"
menu alt+m u
shot person-17-favourites-again 0.3
xdotool key Escape Escape Escape
menu alt+r
shot person-18-run-menu-again 0.3
xdotool key Escape Escape
menu alt+m x
for _ in $(seq 25); do kill -0 $pemo 2>/dev/null || break; sleep 0.2; done
stop $pemo

echo "SCRIPT.FIL:"
start_pemo SCRIPT.FIL
win=$(main_window "ｽｸﾘﾌﾟﾄのｻﾝﾌﾟﾙ")
shot person-19-script 2
for y in 94 130 166 202; do click_in "$win" 294 $y; done
shot person-19b-script-buttons 1
menu alt+m
shot person-20-script-menu 0.3
xdotool key Escape Escape
menu alt+m x
sleep 1
shot person-21-script-closing 0.3
for _ in $(seq 25); do kill -0 $pemo 2>/dev/null || break; sleep 0.2; done
stop $pemo
echo "pemo's output:"
sed 's/^/  /' "$work/pemo.log"
echo "screenshots in $shots"
