#!/usr/bin/env bash
# Walks through the RUN menu and the favourites under a virtual X server: a prepared
# run list in the RUN menu, one of its programs started from it, a program registered
# in RUNREG, the open menu added to the favourites with Ctrl+U and removed in DELUSER.
# Screenshots go to the folder given (default ./walk-shots). The programs run from a copy
# of the program folder, so that the files written in its user folder stay out of the build.
#
#     tools/xvfb_walk_run_menu.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 72 "$@"

windows_path() { echo "C:$1" | tr / '\\'; }

mkdir -p "$work/bin/PemoUser" "$work/files"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
# A program that leaves a mark when it starts, and one with its window on the screen.
printf '#!/bin/sh\ntouch "%s"\n' "$work/files/started" >"$work/files/mark"
chmod +x "$work/files/mark"
{
  printf '[APP]\r\n'
  printf 'App0=mark,%s\r\n' "$(windows_path "$work/files/mark")"
  printf 'App1=xclock,xclock -geometry 160x160+900+80\r\n'
  printf 'App2=missing,%s\r\n' "$(windows_path "$work/files/missing")"
} >"$work/bin/PemoUser/PEMORUN.DAT"

echo "pemo with a prepared PEMORUN.DAT:"
cd "$work/menus"
"$work/bin/pemo" START.FIL >"$work/pemo.log" 2>&1 &
pemo=$!
focus_on $pemo
sleep 1
xdotool key alt+r
shot run-menu
xdotool key 1
sleep 1
if [ -e "$work/files/started" ]; then echo "  the RUN menu's first program started"; else echo "  NOT STARTED: mark"; fi
xdotool key alt+r 2
shot run-menu-xclock-started 2
xdotool key alt+r 3
shot run-menu-start-failed
xdotool key Return

echo "RUNREG from Ctrl+R:"
# Without a window manager a closed message leaves the focus nowhere.
focus_on $pemo
xdotool key ctrl+r
focus_on $pemo
xdotool type --delay 50 "clock two"
xdotool key Return
xdotool type --delay 50 "xclock -digital -geometry +900+300"
xdotool key Return
sleep 0.3
xdotool key space
shot runreg-registered
# From the caption's field to "OK": the command line, "参照", "OK".
xdotool key Tab Tab Tab space
focus_on $pemo
xdotool key alt+r
shot run-menu-after-ok
xdotool key Escape

echo "favourites with Ctrl+U:"
focus_on $pemo
xdotool key ctrl+u
sleep 0.5
xdotool key alt+m u
shot favourites-menu
xdotool key Escape Escape
focus_on $pemo
xdotool key alt+m u d
shot deluser
xdotool key Escape
sleep 0.5

echo "closed from its menu, pemo writes the run list back:"
focus_on $pemo
xdotool key alt+m x
for _ in $(seq 25); do kill -0 $pemo 2>/dev/null || break; sleep 0.2; done
stop $pemo
# The clock ends with the virtual X server.
cat "$work/bin/PemoUser/PEMORUN.DAT" | tr -d '\r' | sed 's/^/  /'
for f in "$work/bin/PemoUser/"*.USER; do [ -e "$f" ] && iconv -f CP932 -t UTF-8 "$f" | tr -d '\r' | sed 's/^/  /'; done
