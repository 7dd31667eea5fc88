#!/usr/bin/env bash
# Walks through what a start of pemo on START.FIL shows under a virtual X server: the
# page on its tiled background, the window moved partly off the screen and back (the
# uncovered strip repaints from the page's corner), the link tree shown (its pictures
# appear) and the launcher bar shown (its button pictures appear). Screenshots go to
# the folder given (default ./walk-shots); two runs with different program folders can
# be compared with ImageMagick's `compare`. WM=openbox walks it under that window manager.
#
#     tools/xvfb_walk_start_look.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 87 "$@"

start_window_manager
mkdir -p "$work/bin"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
cd "$work/menus"
"$work/bin/pemo" START.FIL >"$work/pemo.log" 2>&1 &
pemo=$!
focus_on $pemo
window=$(xdotool search --onlyvisible --pid $pemo | tail -1)
xdotool windowmove "$window" 0 0
shot start 1.5

xdotool windowmove "$window" -400 -300
sleep 0.5
xdotool windowmove "$window" 0 0
shot start-uncovered 1

xdotool key ctrl+t
shot tree-shown 1
xdotool key ctrl+t F2
shot launcher-shown 1
stop $pemo
