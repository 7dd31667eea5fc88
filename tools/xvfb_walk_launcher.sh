#!/usr/bin/env bash
# Walks through the launcher bar under a virtual X server: the bar horizontal and
# vertical at both icon sizes, docked to an edge where the pointer expands and leaves it,
# and a docked bar dragged to the left edge. Screenshots go to the folder given (default
# ./walk-shots). The programs run from a copy of the program folder, so that the run
# list written there stays out of the build.
#
#     tools/xvfb_walk_launcher.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 74 "$@"

# The program folder's copy, with a run list of programs and documents.
mkdir -p "$work/bin"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
mkdir -p "$work/bin/PemoUser" "$work/files"
printf '#!/bin/sh\nsleep 1\n' >"$work/files/tool"
chmod +x "$work/files/tool"
echo "notes" >"$work/files/notes.txt"
echo "<html></html>" >"$work/files/page.html"
cp "$root/samples/"*.FIL "$work/files/menu.fil" 2>/dev/null || echo "menu" >"$work/files/menu.fil"
{
  printf 'App0=tool,C:%s\r\n' "$(echo "$work/files/tool" | tr / '\\')"
  printf 'App1=notes.txt,C:%s\r\n' "$(echo "$work/files/notes.txt" | tr / '\\')"
  printf 'App2=page.html,C:%s\r\n' "$(echo "$work/files/page.html" | tr / '\\')"
  printf 'App3=xterm -e top,xterm -e top\r\n'
  printf 'App4=xclock,xclock\r\n'
} | { printf '[APP]\r\n'; cat; } >"$work/bin/PemoUser/PEMORUN.DAT"

# crop NAME X Y W H: the part of the last screenshot NAME around the bar.
crop() { convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage "$shots/$1-bar.png"; }
# popup X Y KEYS...: the bar's popup at (X, Y), then the keys.
popup() {
  xdotool mousemove "$1" "$2" click 3
  sleep 0.5
  shift 2
  [ $# -eq 0 ] || xdotool key --delay 150 "$@"
  sleep 0.5
}
# drag FROM_X FROM_Y TO_X TO_Y [SHOT]: the left button pressed, moved in steps, released;
# SHOT is taken with the button still down (the ghost showing where the bar goes).
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.2
  xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
  sleep 0.2
  xdotool mousemove "$3" "$4"
  sleep 0.2
  xdotool mousemove "$3" "$4"
  [ -z "${5:-}" ] || shot "$5" 0.5
  sleep 0.2
  xdotool mouseup 1
}

echo "pemo with the launcher bar:"
cd "$work/menus"
"$work/bin/pemo" START.FIL >"$work/pemo.log" 2>&1 &
pemo=$!
focus_on $pemo
sleep 1
xdotool key F2
sleep 1
# The bar starts at the screen's corner; its background is the margin above the buttons.
drag 30 1 330 601
shot launcher-horizontal-32
crop launcher-horizontal-32 280 580 320 100
popup 310 602 s Return
shot launcher-horizontal-16
crop launcher-horizontal-16 280 580 320 100
popup 310 601 v Down Return
shot launcher-vertical-16
crop launcher-vertical-16 280 580 100 320
popup 301 630 s Down Return
shot launcher-vertical-32
crop launcher-vertical-32 280 580 100 320

echo "docked below the middle (a strip at the bottom), expanded by the pointer, dragged to the left edge:"
popup 302 630 v Return
popup 340 602 Down Down Return
xdotool mousemove 640 700
shot launcher-docked-bottom-strip
crop launcher-docked-bottom-strip 280 944 320 80
xdotool mousemove 400 1020
shot launcher-docked-bottom-expanded
crop launcher-docked-bottom-expanded 280 944 320 80
# 10 % / 30 % of the screen: the left edge, vertical; the pointer is off the bar, which
# then collapses to its strip.
drag 332 971 128 307 launcher-dragging-ghost
shot launcher-dragged-left
crop launcher-dragged-left 0 230 120 320
xdotool mousemove 640 700
shot launcher-dragged-left-strip
crop launcher-dragged-left-strip 0 230 120 320
xdotool mousemove 4 400
shot launcher-left-expanded-again
crop launcher-left-expanded-again 0 230 120 320
xdotool mousemove 640 700
shot launcher-left-collapsed-again
crop launcher-left-collapsed-again 0 230 120 320

echo "launcher-only: the menu hidden, the bar the only window; its close item ends pemo:"
popup 4 400 h
xdotool mousemove 640 700
shot launcher-only
xdotool mousemove 4 400
sleep 1
popup 20 400
shot launcher-only-popup 0.5
xdotool key x
sleep 2
if kill -0 $pemo 2>/dev/null; then echo "  pemo still runs after 終了(&X)"; stop $pemo; else echo "  pemo ended by 終了(&X)"; fi
echo "screenshots in $shots"
