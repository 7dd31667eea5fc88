#!/usr/bin/env bash
# Starts and closes pemo (ﾒﾆｭｰ, 終了) and pemoedit (ﾌｧｲﾙ, 終了) four times each under a
# virtual X server, without a window manager or under the one WM names, and prints the
# window places stored after each start: nobody moves a window, so every start after the
# first must store what the first stored. Screenshots of pemoedit's first and fourth
# start go to the folder given (default ./walk-shots). pemo runs from a copy of the
# program folder, so that what it writes there stays out of the build.
#
#     [WM=openbox] tools/xvfb_walk_window_places.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 84 "$@"

mkdir -p "$work/bin"
cp "$bin"/pemo "$bin"/pemoedit "$bin"/*.so "$work/bin/"
if [ -n "${WM:-}" ]; then
  "$WM" >/dev/null 2>&1 &
  sleep 1
fi
label="${WM:-no-wm}"

# The stored places, one line per window key: "key Left Top Width Height".
stored_places() {
  sqlite3 "$XDG_CONFIG_HOME/pemo/registry.db" "
    SELECT k.name,
           group_concat(CASE v.fold WHEN 'LEFT' THEN 'L' WHEN 'TOP' THEN 'T' WHEN 'WIDTH' THEN 'W' ELSE 'H' END
                        || '=' || rtrim(CAST(v.data AS TEXT), char(0)), ' ')
    FROM keys k JOIN reg_values v ON v.key = k.id
    WHERE v.fold IN ('LEFT', 'TOP', 'WIDTH', 'HEIGHT')
    GROUP BY k.id ORDER BY k.id;" 2>/dev/null | tr '|' ' '
}

# run_and_close NAME PROGRAM TITLE MENU_KEY [ARGUMENT]: starts the program, waits for its
# window, closes it from its menu's 終了(&X) and prints the places stored then.
run_and_close() {
  local name="$1" program="$2" title="$3" menu_key="$4" argument="${5:-}" pid window
  (cd "$work/menus" && exec "$work/bin/$program" $argument >>"$work/$program.log" 2>&1) &
  pid=$!
  window=$(window_of $pid "$title") || { echo "  $name: NO WINDOW"; stop $pid; return; }
  sleep 1.5
  [ "$program" = pemoedit ] && [ "$name" = "start 1" -o "$name" = "start 4" ] &&
    shot "places-$label-pemoedit-${name// /-}" 0
  echo "  $name, the window on screen: $(xdotool getwindowgeometry "$window" | tr -s ' \n' ' ')"
  xdotool windowfocus "$window" 2>/dev/null || true
  sleep 0.3
  xdotool key "$menu_key"
  sleep 0.5
  xdotool key x
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "  $name: STILL RUNNING"; stop $pid; fi
  wait $pid 2>/dev/null || true
  stored_places | sed "s/^/  $name, stored: /"
}

# compare PROGRAM: the places stored after the first start against those of the last.
compare_starts() {
  local first="$1" last="$2"
  if [ "$first" = "$last" ]; then echo "  UNCHANGED over four starts"; else echo "  CREPT: $first -> $last"; fi
}

echo "pemo ($label):"
first=""
for n in 1 2 3 4; do
  run_and_close "start $n" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL
  places=$(stored_places)
  [ -n "$first" ] || first="$places"
done
compare_starts "$first" "$places"

echo "pemoedit ($label):"
first=""
for n in 1 2 3 4; do
  run_and_close "start $n" pemoedit "PemoEdit" alt+f
  places=$(stored_places)
  [ -n "$first" ] || first="$places"
done
compare_starts "$first" "$places"

echo "a new menu window ($label) opens below the strip, beside the property window:"
"$bin/pemoedit" >>"$work/pemoedit.log" 2>&1 &
editor=$!
strip=$(window_of $editor "PemoEdit")
xdotool windowfocus "$strip" 2>/dev/null || true
sleep 1
xdotool key ctrl+n
shot "places-$label-pemoedit-new-menu" 1.5
stop $editor
echo "screenshots in $shots"
