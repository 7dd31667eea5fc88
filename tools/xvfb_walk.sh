#!/usr/bin/env bash
# Walks through pemo and pemoedit as a person would, under a virtual X server, and keeps
# a screenshot of each step in the folder given (default: ./walk-shots). Needs xvfb,
# xdotool and imagemagick. Nothing touches the real settings: the walk has its own
# XDG_CONFIG_HOME, works on a copy of samples/, and the power commands only print.
#
#     tools/xvfb_walk.sh [build/bin] [shots folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$(cd "${1:-$root/build/bin}" && pwd)"
shots="$(mkdir -p "${2:-walk-shots}" && cd "${2:-walk-shots}" && pwd)"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

export DISPLAY=:71 XDG_CONFIG_HOME="$work/config" PEMO_POWER_DRY_RUN=1
cp -r "$root/samples" "$work/menus"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
sleep 1

shot() { sleep "${2:-1}"; import -window root "$shots/$1.png"; echo "  $1.png"; }
# There is no window manager: keys go to the window that is given the focus.
focus_on() {
  local window=""
  for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | tail -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null || true
}

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
kill $pemo 2>/dev/null || true
wait $pemo 2>/dev/null || true

echo "pemoedit with a copy of the start menu:"
"$bin/pemoedit" >"$work/pemoedit.log" 2>&1 &
editor=$!
focus_on $editor
shot pemoedit-strip 2
xdotool key ctrl+o
sleep 1
xdotool type --delay 20 "$work/menus/START.FIL"
xdotool key Return
sleep 2
focus_on $editor
shot pemoedit-menu
xdotool key F5
shot pemoedit-test-run 3
ls "$bin" | grep -E '^!\.(tmp|src|FIL)$' | sed 's/^/  hand-over file while running: /' || true
kill $editor 2>/dev/null || true
wait $editor 2>/dev/null || true
echo "screenshots in $shots"
