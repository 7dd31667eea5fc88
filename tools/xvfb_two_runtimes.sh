#!/usr/bin/env bash
# Two runtimes on one user folder under a virtual X server: two `pemo` processes on the
# same program folder and XDG_CONFIG_HOME each register a program in RUNREG (Enter on
# "登録", then "OK") and close in turn; PEMORUN.DAT must keep both programs. Then the
# favourites: one adds the sub-menu it shows after its tree's selection moved to the
# parent, the other adds its start menu and deletes it again in DELUSER; the favourites
# file must keep the first one's entry, named by the sub-menu's own caption.
# Screenshots go to the folder given (default ./walk-shots).
#
#     tools/xvfb_two_runtimes.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 140 "$@"

mkdir -p "$work/bin/PemoUser"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
run_list="$work/bin/PemoUser/PEMORUN.DAT"
favourites="$work/bin/PemoUser/Pemo ｻﾝﾌﾟﾙ.USER"

# start_pemo NAME: a runtime on START.FIL; its process in "$NAME" and its window (titled
# by the start menu) in "${NAME}_window".
start_pemo() {
  (cd "$work/menus" && exec "$work/bin/pemo" START.FIL >>"$work/pemo.log" 2>&1) &
  local pid=$! window
  window=$(window_of $pid 'Pemo .\+') || { echo "  NO WINDOW"; exit 1; }
  printf -v "$1" %s "$pid"
  printf -v "${1}_window" %s "$window"
}
# close_pemo PID WINDOW: 終了(&X) from the menu, and whether the process ended.
close_pemo() {
  keys_to "$2" alt+m x
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.2; done
  if kill -0 "$1" 2>/dev/null; then echo "  STILL RUNS after 終了(&X)"; stop "$1"; fi
}
# register WINDOW CAPTION COMMAND: Ctrl+R, the two fields each ended by Enter, Enter on
# "登録", then "OK" (Tab from the caption's field: command line, "参照", "OK").
register() {
  keys_to "$1" ctrl+r
  xdotool type --delay 30 "$2"
  xdotool key Return
  xdotool type --delay 30 "$3"
  xdotool key Return
  sleep 0.3
  xdotool key Return
  sleep 0.5
}
confirm_registration() {
  xdotool key Tab Tab Tab Return
  sleep 0.5
}
# show FILE: its entries, one a line.
show() {
  if [ -e "$1" ]; then iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' | grep -v '^\[' | sed 's/^/    /'; else echo "    (no file)"; fi
}

echo "two runtimes register a program each:"
printf '[APP]\r\nApp0=shared,xclock\r\n' >"$run_list"
start_pemo first
xdotool windowmove "$first_window" 20 20
start_pemo second
xdotool windowmove "$second_window" 560 300
register "$first_window" "from first" "xeyes"
shot two-runtimes-first-registered
confirm_registration
register "$second_window" "from second" "xlogo"
shot two-runtimes-second-registered
confirm_registration
keys_to "$second_window" alt+r
shot two-runtimes-second-run-menu
xdotool key Escape
echo "  the first closes:"
close_pemo "$first" "$first_window"
show "$run_list"
echo "  the second closes:"
close_pemo "$second" "$second_window"
show "$run_list"
for caption in shared "from first" "from second"; do
  if iconv -f CP932 -t UTF-8 "$run_list" | grep -q "^App[0-9]*=$caption,"; then echo "  kept: $caption"; else echo "  LOST: $caption"; fi
done

echo "favourites of two runtimes:"
start_pemo first
xdotool windowmove "$first_window" 20 20
start_pemo second
xdotool windowmove "$second_window" 560 300
# The second adds its start menu.
keys_to "$second_window" ctrl+u
# The first, with its tree pane (Ctrl+T): down to the sub-menu, which its expansion
# opens; then left to the parent, which is selected while the page still shows the
# sub-menu; Ctrl+U.
keys_to "$first_window" ctrl+t
click_in "$first_window" 80 30
shot two-runtimes-first-tree
xdotool key Down Right
sleep 1
shot two-runtimes-first-sub-menu
xdotool key Left Left
sleep 0.5
shot two-runtimes-first-parent-selected
xdotool key ctrl+u
sleep 0.5
echo "  after both added one:"
show "$favourites"
# The second deletes its entry in DELUSER, which lists the file as it is now (both
# entries, its own first): its first row clicked, "削除" (list, "OK", "ｷｬﾝｾﾙ", "削除"),
# back to "OK".
keys_to "$second_window" alt+m u d
sleep 0.5
click_in "$(xdotool getwindowfocus)" 60 22
xdotool key Tab Tab Tab space
sleep 0.3
shot two-runtimes-second-deluser
xdotool key shift+Tab shift+Tab space
sleep 0.5
echo "  after the second's DELUSER:"
show "$favourites"
keys_to "$first_window" alt+m u
shot two-runtimes-first-favourites
xdotool key Escape Escape
close_pemo "$second" "$second_window"
close_pemo "$first" "$first_window"
echo "  after both closed:"
show "$favourites"
if iconv -f CP932 -t UTF-8 "$favourites" 2>/dev/null | grep -q '^User0=ｻﾌﾞﾒﾆｭｰ1,SUB1.FIL'; then
  echo "  kept: the first's ｻﾌﾞﾒﾆｭｰ1"
else
  echo "  LOST OR MISNAMED: the first's ｻﾌﾞﾒﾆｭｰ1"
fi
