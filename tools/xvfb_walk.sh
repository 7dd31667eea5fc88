#!/usr/bin/env bash
# Walks through pemo and pemoedit as a person would, under a virtual X server, and keeps
# a screenshot of each step in the folder given (default: ./walk-shots). Needs xvfb,
# xdotool and imagemagick. Nothing touches the real settings: the walk has its own
# XDG_CONFIG_HOME, works on a copy of samples/, and the power commands only print.
#
#     tools/xvfb_walk.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 71 "$@"

echo "pemo on the sample start menu:"
cd "$work/menus"
"$bin/pemo" START.FIL >"$work/pemo.log" 2>&1 &
pemo=$!
focus_on $pemo
shot pemo-start 2
xdotool key ctrl+t
shot pemo-after-ctrl-t
xdotool key ctrl+t
shot pemo-after-second-ctrl-t
stop $pemo

echo "pemoedit with a copy of the start menu:"
"$bin/pemoedit" >"$work/pemoedit.log" 2>&1 &
editor=$!
focus_on $editor
shot pemoedit-strip 2
open_menu START.FIL
sleep 2
focus_on $editor
shot pemoedit-menu
xdotool key F5
shot pemoedit-test-run 3
ls "$bin" | grep -E '^!\.(tmp|src|FIL)$' | sed 's/^/  hand-over file while running: /' || true
stop $editor
echo "screenshots in $shots"
