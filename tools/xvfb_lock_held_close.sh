#!/usr/bin/env bash
# A runtime closes while another holds the user folder's lock for 6 s (as a runtime
# whose write a slow disk delays would): `flock` from util-linux holds the PemoUser
# folder and, at the end of its hold, writes the run list as that other runtime would.
# Prints how long the close took, whether "ﾌｧｲﾙを保存できませんでした" came and what
# PEMORUN.DAT holds. Screenshots go to the folder given (default ./walk-shots).
#
#     tools/xvfb_lock_held_close.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 145 "$@"

mkdir -p "$work/bin/PemoUser"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
run_list="$work/bin/PemoUser/PEMORUN.DAT"
printf '[APP]\r\nApp0=shared,xclock\r\n' >"$run_list"

(cd "$work/menus" && exec "$work/bin/pemo" START.FIL >>"$work/pemo.log" 2>&1) &
pemo=$!
window=$(window_of $pemo 'Pemo .\+') || { echo "  NO WINDOW"; exit 1; }
# RUNREG: the caption and the command line each ended by Enter, Enter on "登録", then
# "OK" (Tab from the caption's field: command line, "参照", "OK").
keys_to "$window" ctrl+r
xdotool type --delay 30 "fromB"
xdotool key Return
xdotool type --delay 30 "xlogo"
xdotool key Return
sleep 0.3
xdotool key Return
sleep 0.5
xdotool key Tab Tab Tab Return
sleep 0.5

echo "the other runtime holds the user folder for 6 s and then writes fromA:"
flock "$work/bin/PemoUser" sh -c "sleep 6; printf '[APP]\r\nApp0=shared,xclock\r\nApp1=fromA,xeyes\r\n' >'$run_list'" &
holder=$!
sleep 0.3
xdotool windowfocus "$window"
sleep 0.3
xdotool key alt+m x
start=$(date +%s.%N)
# The message box, titled "Pemo" like the window, comes when the close gives up waiting.
told=""
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --pid "$pemo" 2>/dev/null); do
    if [ "$id" != "$window" ] && xdotool getwindowname "$id" 2>/dev/null | grep -qx Pemo; then told=$id; fi
  done
  [ -n "$told" ] && break
  kill -0 "$pemo" 2>/dev/null || break
  sleep 0.1
done
waited=$(echo "$(date +%s.%N) - $start" | bc)
if [ -n "$told" ]; then
  printf '  told %.1f s after 終了(&X)\n' "$waited"
  shot lock-held-close-told 0.5
  xdotool windowfocus "$told"
  sleep 0.3
  xdotool key Return
  dismissed=$(date +%s.%N)
else
  printf '  NOT TOLD (%.1f s)\n' "$waited"
  dismissed=$(date +%s.%N)
fi
for _ in $(seq 100); do kill -0 "$pemo" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$pemo" 2>/dev/null; then echo "  STILL RUNS"; stop "$pemo"; fi
printf '  the runtime ended %.1f s after the message was closed\n' "$(echo "$(date +%s.%N) - $dismissed" | bc)"
wait "$holder"
echo "  PEMORUN.DAT holds:"
iconv -f CP932 -t UTF-8 "$run_list" | tr -d '\r' | grep -v '^\[' | sed 's/^/    /'
