#!/usr/bin/env bash
# Walks through the runtime shell with damaged and unusual files under a virtual X server:
# a run list of a hundred thousand programs, a caption of ten megabytes, captions with
# commas, ampersands and tabs, line ends of CR alone, garbage and a folder in the run
# list's place; the RUN menu, the launcher bar and RUNREG with them; two runtimes at
# once; and a bar stored beyond a smaller screen. Each pemo must show its window, close
# from its menu and leave the files as a user would expect. Screenshots go to the folder
# given (default ./walk-shots).
#
#     tools/xvfb_walk_hostile_shell.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 77 "$@"

mkdir -p "$work/bin/PemoUser"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
run_list="$work/bin/PemoUser/PEMORUN.DAT"

start_pemo() {
  (cd "$work/menus" && exec "$work/bin/pemo" START.FIL >>"$work/pemo.log" 2>&1) &
  pemo=$!
  # The runtime window, titled by the start menu (the launcher bar is "Pemo").
  window=$(window_of $pemo 'Pemo .\+')
  [ -n "$window" ] || { echo "  NO WINDOW"; return 1; }
  xdotool windowfocus "$window"
}
# Closes pemo from its menu and says how long the close took.
close_pemo() {
  xdotool windowfocus "$window" 2>/dev/null || true
  xdotool key alt+m x
  for _ in $(seq 50); do kill -0 "$pemo" 2>/dev/null || break; sleep 0.2; done
  if kill -0 "$pemo" 2>/dev/null; then echo "  STILL RUNS after 終了(&X)"; stop "$pemo"; else echo "  closed"; fi
}
# kept FILE COPY: whether the file still holds what it held.
kept() { if cmp -s "$1" "$2"; then echo "  the file is kept as it was"; else echo "  THE FILE CHANGED"; fi; }

echo "a hundred thousand programs, CR line ends:"
python3 - "$run_list" <<'EOF'
import sys
with open(sys.argv[1], 'wb') as f:
    f.write(b'[APP]\r')
    for i in range(100000):
        f.write(b'App%d=prog%d,/bin/true %d\r' % (i, i, i))
EOF
cp "$run_list" "$work/many.dat"
SECONDS=0
start_pemo
xdotool key F2
sleep 1
xdotool windowfocus "$window"
xdotool key alt+r
shot hostile-run-menu-many
echo "  the window and the RUN menu after ${SECONDS}s"
xdotool key Escape
close_pemo
# Written back whole; the line ends become CR LF.
[ "$(tr -d '\r\n' <"$run_list" | md5sum)" = "$(tr -d '\r\n' <"$work/many.dat" | md5sum)" ] &&
  echo "  all hundred thousand written back" || echo "  THE LIST CHANGED"

echo "a ten-megabyte caption and command line, commas, ampersands, a tab:"
{
  printf '[APP]\r\n'
  printf 'App0=%s,/bin/true\r\n' "$(head -c 10485760 /dev/zero | tr '\0' y)"
  printf 'App1=a，b & c\td,/bin/echo a,b\r\n' | iconv -f UTF-8 -t CP932
  printf 'App2=&&&,xclock -geometry 100x100+1100+50\r\n'
  printf 'App3=huge,%s\r\n' "$(head -c 10485760 /dev/zero | tr '\0' x)"
} >"$run_list"
cp "$run_list" "$work/long.dat"
SECONDS=0
start_pemo
xdotool key alt+r
shot hostile-run-menu-long-caption
echo "  the RUN menu after ${SECONDS}s"
xdotool key Escape
# A command line of ten megabytes fails to start with its start in the message.
xdotool windowfocus "$window"
SECONDS=0
xdotool key alt+r 4
shot hostile-huge-command-line-failed
echo "  the failed start told after ${SECONDS}s"
xdotool key Return
xdotool windowfocus "$window"
xdotool key ctrl+r
shot hostile-runreg-long-caption
xdotool key Escape
close_pemo
kept "$run_list" "$work/long.dat"

echo "garbage in the run list's place, then a folder:"
head -c 1048576 /dev/urandom >"$run_list"
cp "$run_list" "$work/garbage.dat"
start_pemo
xdotool key alt+r
shot hostile-run-menu-garbage
xdotool key Escape
close_pemo
kept "$run_list" "$work/garbage.dat"
rm "$run_list"
mkdir "$run_list"
start_pemo
close_pemo
[ -d "$run_list" ] && echo "  the folder is still there" || echo "  THE FOLDER WENT"
rmdir "$run_list"

echo "two runtimes at once, each closed from its menu:"
printf '[APP]\r\nApp0=first,/bin/true\r\n' >"$run_list"
start_pemo
first=$pemo first_window=$window
start_pemo
shot hostile-two-runtimes
close_pemo
pemo=$first window=$first_window
close_pemo
tr -d '\r' <"$run_list" | sed 's/^/  /'

echo "the bar stored at the right of a wide screen, then a smaller screen:"
start_pemo
# The bar: pemo's second window; F2 shows it when the last run left it hidden.
bar_window() { xdotool search --onlyvisible --pid "$pemo" 2>/dev/null | sed -n 2p; }
[ -n "$(bar_window)" ] || { xdotool key F2; sleep 1; }
eval "$(xdotool getwindowgeometry --shell "$(bar_window)")"
# Dragged by its top margin to the lower right.
xdotool mousemove $((X + 30)) $((Y + 1)) mousedown 1 mousemove 600 300 mousemove 1220 900 mousemove 1220 900 mouseup 1
sleep 0.5
shot hostile-bar-right-wide-screen
eval "$(xdotool getwindowgeometry --shell "$(bar_window)")"
echo "  the bar at $X,$Y on 1280x1024"
close_pemo
# The virtual X server is the walk's first job.
stop "$(jobs -p | head -1)"
Xvfb "$DISPLAY" -screen 0 800x600x24 >/dev/null 2>&1 &
sleep 1
start_pemo
shot hostile-bar-small-screen
eval "$(xdotool getwindowgeometry --shell "$(bar_window)")"
echo "  the bar at $X,$Y, ${WIDTH}x$HEIGHT on 800x600"
close_pemo
echo "screenshots in $shots"
