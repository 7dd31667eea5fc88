#!/usr/bin/env bash
# Starts and closes pemo (ﾒﾆｭｰ, 終了) and pemoedit (ﾌｧｲﾙ, 終了) four times each under a
# virtual X server, without a window manager or under the one WM names, and prints the
# window places stored after each start: nobody moves a window, so every start after the
# first must store what the first stored. Then places stored partly past the screen's
# right or bottom edge must come back unchanged, damaged sizes (40000, 2147483647) must
# come up at the screen's available area and close at once, and, under a window manager,
# pemo closed maximised must start maximised again and keep its normal place (maximised
# and made normal with wmctrl). Places at the screen's right and bottom edges must come back
# onto it, and so must places a pixel from those edges (1279,1023), a window coming back
# just far enough to show whole; places showing 100 by 50 pixels (1180,974) must stay. The
# two editor windows brought back must not cover each other. Sizes of 0, -5, 1 or no number
# must bring both editor windows up at their default size (shown again with Ctrl+P), which
# the close stores, and pemo at its own. Under a window manager the strip
# closed maximised must keep its normal place, and pemo maximised with its splitter dragged
# to x=1000 must keep the page in reach once made normal after the next start. Screenshots
# go to the folder given (default ./walk-shots).
# pemo runs from a copy of the program folder, so that what it writes there stays out of
# the build. STARTS=N starts each program N times instead of four and counts the starts that
# stored places other than the start before; with STARTS_ONLY=1 the walk ends there.
#
#     [WM=openbox] [STARTS=20 [STARTS_ONLY=1]] tools/xvfb_walk_window_places.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 84 "$@"

mkdir -p "$work/bin"
cp "$bin"/pemo "$bin"/pemoedit "$bin"/*.so "$work/bin/"
if [ -n "${WM:-}" ]; then
  "$WM" >/dev/null 2>&1 &
  sleep 1
fi
label="${WM:-no-wm}"

# A stored value's text, up to its terminating NUL.
value_text="CAST(CASE WHEN instr(v.data, X'00') > 0 THEN substr(v.data, 1, instr(v.data, X'00') - 1)
                      ELSE v.data END AS TEXT)"

# The stored places, one line per window key: "key Left Top Width Height".
stored_places() {
  sqlite3 "$XDG_CONFIG_HOME/pemo/registry.db" "
    SELECT k.name,
           group_concat(CASE v.fold WHEN 'LEFT' THEN 'L' WHEN 'TOP' THEN 'T' WHEN 'WIDTH' THEN 'W' ELSE 'H' END
                        || '=' || $value_text, ' ')
    FROM keys k JOIN reg_values v ON v.key = k.id
    WHERE v.fold IN ('LEFT', 'TOP', 'WIDTH', 'HEIGHT')
    GROUP BY k.id ORDER BY k.id;" 2>/dev/null | tr '|' ' '
}

# set_place KEY VALUE=NUMBER...: stores numbers (LEFT, TOP, WIDTH, HEIGHT) in the place of
# the key named KEY, as a damaged or a hand-moved place would be stored.
set_place() {
  local key="$1" pair
  shift
  for pair in "$@"; do
    # The text's bytes and the terminating NUL that the programs store with it.
    sqlite3 "$XDG_CONFIG_HOME/pemo/registry.db" "
      UPDATE reg_values SET data = X'$(printf '%s' "${pair#*=}" | od -An -tx1 | tr -d ' \n')00'
      WHERE fold = '${pair%%=*}' AND key = (SELECT id FROM keys WHERE name = '$key');"
  done
}

# place_of KEY: the stored place of one key, as stored_places prints it.
place_of() { stored_places | sed -n "s/^$1 //p"; }

# window_state: pemo's stored WindowState.
window_state() {
  sqlite3 "$XDG_CONFIG_HOME/pemo/registry.db" "
    SELECT $value_text FROM reg_values v JOIN keys k ON v.key = k.id
    WHERE k.name = 'SW' AND v.fold = 'WINDOWSTATE';"
}

# expect_place KEY PLACE: whether the key's stored place is PLACE.
expect_place() {
  local now
  now=$(place_of "$1")
  if [ "$now" = "$2" ]; then echo "  $1 KEPT: $now"; else echo "  $1 MOVED: $2 -> $now"; fi
}

# run_and_close NAME PROGRAM TITLE MENU_KEY [ARGUMENT]: starts the program, waits for its
# window, closes it from its menu's 終了(&X) and prints the places stored then and how
# long the close took. With SHOT set, a screenshot of that name is taken first; with
# WHILE_SHOWN set, that function is called with the window before the close.
run_and_close() {
  local name="$1" program="$2" title="$3" menu_key="$4" argument="${5:-}" pid window closing
  (cd "$work/menus" && exec "$work/bin/$program" $argument >>"$work/$program.log" 2>&1) &
  pid=$!
  window=$(window_of $pid "$title") || { echo "  $name: NO WINDOW"; stop $pid; return; }
  sleep 1.5
  [ -z "${SHOT:-}" ] || shot "$SHOT" 0
  echo "  $name, the window on screen: $(xdotool getwindowgeometry "$window" | tr -s ' \n' ' ')"
  [ -z "${WHILE_SHOWN:-}" ] || "$WHILE_SHOWN" "$window"
  xdotool windowfocus "$window" 2>/dev/null || true
  sleep 0.3
  closing=$(date +%s.%N)
  xdotool key "$menu_key"
  sleep 0.5
  xdotool key x
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "  $name: STILL RUNNING"; stop $pid; fi
  wait $pid 2>/dev/null || true
  echo "  $name, closed in $(echo "$(date +%s.%N) - $closing" | bc) s (0.5 s of it the walk's own pause)"
  stored_places | sed "s/^/  $name, stored: /"
}

# started_again NAME PROGRAM TITLE MENU_KEY [ARGUMENT]: starts and closes the program STARTS times
# (four by default): every start after the first must store what the first stored. Prints
# how many starts stored places other than the start before them; screenshots of the first
# and last starts are named after NAME.
started_again() {
  local name="$1" program="$2" title="$3" menu_key="$4" argument="${5:-}" starts="${STARTS:-4}" n first="" last=""
  local places crept=0
  for n in $(seq "$starts"); do
    SHOT=$([ "$name" != "" ] && [ $n = 1 -o $n = "$starts" ] && echo "places-$label-$name-start-$n") \
      run_and_close "start $n" "$program" "$title" "$menu_key" "$argument"
    places=$(stored_places)
    [ -z "$first" ] && first="$places" || { [ "$places" = "$last" ] || crept=$((crept + 1)); }
    last="$places"
  done
  if [ "$first" = "$places" ]; then echo "  UNCHANGED over $starts starts"; else echo "  CREPT: $first -> $places"; fi
  echo "  $crept of $((starts - 1)) starts after the first stored other places than the start before"
}

echo "pemo ($label):"
started_again "" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL
echo "pemoedit ($label):"
started_again pemoedit pemoedit "PemoEdit" alt+f
[ "${STARTS_ONLY:-0}" != 1 ] || exit 0

echo "a new menu window ($label) opens below the strip, beside the property window:"
"$bin/pemoedit" >>"$work/pemoedit.log" 2>&1 &
editor=$!
strip=$(window_of $editor "PemoEdit")
xdotool windowfocus "$strip" 2>/dev/null || true
sleep 1
xdotool key ctrl+n
shot "places-$label-pemoedit-new-menu" 1.5
stop $editor
echo "a place partly past the right or bottom edge ($label) stays where it was left:"
set_place Setting LEFT=60
strip=$(place_of Setting)
SHOT="places-$label-strip-at-60" run_and_close "strip at x=60" pemoedit "PemoEdit" alt+f
expect_place Setting "$strip"
set_place Setting LEFT=900 TOP=100 WIDTH=700
set_place "Property Window" LEFT=1100 TOP=700
strip=$(place_of Setting)
property=$(place_of "Property Window")
SHOT="places-$label-strip-and-property-partly-off" run_and_close "strip at 900,100, property at 1100,700" \
  pemoedit "PemoEdit" alt+f
expect_place Setting "$strip"
expect_place "Property Window" "$property"
set_place Setting LEFT=0 TOP=0 WIDTH=1280
set_place "Property Window" LEFT=0 TOP=83

echo "damaged sizes ($label) come up at the screen's available area and close at once:"
for size in 40000 2147483647; do
  set_place Pemo LEFT=0 TOP=0 WIDTH=$size HEIGHT=$size
  SHOT="places-$label-pemo-size-$size" run_and_close "pemo at $size" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL |
    grep -E "on screen|closed|STILL|NO WINDOW|stored: Pemo "
  set_place Setting WIDTH=$size HEIGHT=$size
  run_and_close "pemoedit at $size" pemoedit "PemoEdit" alt+f | grep -E "on screen|closed|STILL|NO WINDOW|stored: Setting "
done

if [ -n "${WM:-}" ]; then
  echo "pemo closed maximised ($label) starts maximised and keeps its normal place:"
  set_place Pemo LEFT=279 TOP=229 WIDTH=722 HEIGHT=565
  normal=$(place_of Pemo)
  maximise() { wmctrl -i -r "$1" -b add,maximized_vert,maximized_horz; sleep 1; }
  maximised() { xprop -id "$1" _NET_WM_STATE | grep -q MAXIMIZED && echo "  MAXIMISED" || echo "  NOT MAXIMISED"; }
  make_normal() {
    maximised "$1"
    wmctrl -i -r "$1" -b remove,maximized_vert,maximized_horz
    sleep 1
    echo "  made normal: $(xdotool getwindowgeometry "$1" | tr -s ' \n' ' ')"
  }
  WHILE_SHOWN=maximise run_and_close "maximised by the user" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL | grep -E "on screen|closed|STILL"
  echo "  WindowState=$(window_state)"
  expect_place Pemo "$normal"
  for n in 2 3; do
    SHOT="places-$label-pemo-maximised-start-$n" WHILE_SHOWN=maximised run_and_close "start $n" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL |
      grep -E "MAXIMISED|on screen|closed|STILL"
    echo "  WindowState=$(window_state)"
    expect_place Pemo "$normal"
  done
  WHILE_SHOWN=make_normal run_and_close "made normal" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL | grep -E "MAXIMISED|made normal|closed|STILL"
  echo "  WindowState=$(window_state)"
  expect_place Pemo "$normal"
fi

# outer_rect WINDOW: the window's place and size with the frame a window manager gives it,
# as "X Y WIDTH HEIGHT".
outer_rect() {
  local info left=0 right=0 top=0 bottom=0 extents
  info=$(xwininfo -id "$1")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
  [ -z "$extents" ] || IFS=, read -r left right top bottom <<<"$extents"
  field() { sed -n "s/^ *$1: *//p" <<<"$info"; }
  echo "$(($(field "Absolute upper-left X") - left)) $(($(field "Absolute upper-left Y") - top))" \
    "$(($(field Width) + left + right)) $(($(field Height) + top + bottom))"
}
# shown_windows PID: each visible window of the program, its title and outer place, and
# whether any two of them cover each other.
shown_windows() {
  local id rects=() a b X Y WIDTH HEIGHT
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    rects+=("$(outer_rect "$id")")
    read -r X Y WIDTH HEIGHT <<<"${rects[-1]}"
    echo "  shown: \"$(xdotool getwindowname "$id")\" at $X,$Y ${WIDTH}x$HEIGHT (frame and all)"
  done
  for ((a = 0; a < ${#rects[@]}; a++)); do
    for ((b = a + 1; b < ${#rects[@]}; b++)); do
      read -r ax ay aw ah <<<"${rects[a]}"
      read -r bx by bw bh <<<"${rects[b]}"
      if ((ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah)); then
        echo "  COVERING: ${rects[a]} and ${rects[b]}"
      fi
    done
  done
}
# Both editor windows as they come up, then Ctrl+P from the strip.
editor_windows_shown() {
  shown_windows "$(xdotool getwindowpid "$1")"
  keys_to "$1" ctrl+p
  echo "  after Ctrl+P:"
  shown_windows "$(xdotool getwindowpid "$1")"
}

# started_at X Y NAME: pemo, then both editor windows, started from places stored at X,Y and
# closed; screenshots named after NAME.
started_at() {
  local x="$1" y="$2" name="$3"
  set_place Pemo LEFT="$x" TOP="$y" WIDTH=722 HEIGHT=565
  SHOT="places-$label-pemo-$name" run_and_close "pemo at $x,$y" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL |
    grep -E "on screen|closed|STILL|NO WINDOW|stored: Pemo "
  set_place Setting LEFT="$x" TOP="$y" WIDTH=1000
  set_place "Property Window" LEFT="$x" TOP="$y"
  SHOT="places-$label-pemoedit-$name" WHILE_SHOWN=editor_windows_shown run_and_close \
    "strip and property window at $x,$y" pemoedit "PemoEdit" alt+f | grep -Ev "stored: Pemo "
}
echo "places at the screen's right and bottom edges ($label) come back onto it:"
started_at 1280 1024 at-the-edge
echo "places a pixel from the screen's right and bottom edges ($label) come back just far enough to show whole:"
started_at 1279 1023 a-pixel-from-the-edge

echo "places showing 100 by 50 pixels of themselves ($label) stay where they were left:"
set_place Pemo LEFT=1180 TOP=974 WIDTH=722 HEIGHT=565
pemo_place=$(place_of Pemo)
SHOT="places-$label-pemo-at-1180-974" run_and_close "pemo at 1180,974" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL |
  grep -E "on screen|closed|STILL|NO WINDOW"
expect_place Pemo "$pemo_place"
set_place Setting LEFT=1180 TOP=974 WIDTH=1000
set_place "Property Window" LEFT=1180 TOP=500
strip=$(place_of Setting)
property=$(place_of "Property Window")
SHOT="places-$label-pemoedit-at-1180-974" WHILE_SHOWN=editor_windows_shown run_and_close \
  "strip at 1180,974, property window at 1180,500" pemoedit "PemoEdit" alt+f | grep -E "on screen|shown|COVER|closed|STILL"
expect_place Setting "$strip"
expect_place "Property Window" "$property"

echo "pemo with a size of 1 ($label) comes up at its own size, and the close stores it:"
set_place Pemo LEFT=100 TOP=80 WIDTH=1 HEIGHT=1
SHOT="places-$label-pemo-size-1" run_and_close "pemo at 1x1" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL |
  grep -E "on screen|closed|STILL|NO WINDOW|stored: Pemo "

echo "sizes of nothing, less, 1 or no number ($label) come up at the default size, and the close stores it:"
for size in 0 -5 1 abc; do
  set_place Setting LEFT=30 TOP=200 WIDTH=$size HEIGHT=$size
  set_place "Property Window" LEFT=50 TOP=300 WIDTH=$size HEIGHT=$size
  SHOT="places-$label-pemoedit-size-$size" WHILE_SHOWN=editor_windows_shown run_and_close \
    "strip and property window at $size" pemoedit "PemoEdit" alt+f | grep -Ev "stored: Pemo "
done

if [ -n "${WM:-}" ]; then
  echo "the strip closed maximised ($label) keeps its normal place:"
  set_place Setting LEFT=30 TOP=200 WIDTH=1000
  normal=$(place_of Setting)
  WHILE_SHOWN=maximise run_and_close "strip maximised by the user" pemoedit "PemoEdit" alt+f | grep -E "on screen|closed|STILL"
  expect_place Setting "$normal"
  SHOT="places-$label-strip-after-maximised" run_and_close "the next start" pemoedit "PemoEdit" alt+f |
    grep -E "on screen|closed|STILL"
  expect_place Setting "$normal"

  echo "pemo maximised ($label) with its splitter dragged to x=1000, closed, started and made normal:"
  set_place Pemo LEFT=279 TOP=229 WIDTH=722 HEIGHT=565
  set_place SW WINDOWSTATE=0 TREEVIEW=True SEGMENTPOSITION=200
  drag_splitter() {
    maximise "$1"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    # The splitter's left edge stands at 200 in the client area, below the menu bar.
    xdotool mousemove $((X + 201)) $((Y + 300)) mousedown 1
    sleep 0.3
    xdotool mousemove $((X + 600)) $((Y + 300))
    sleep 0.3
    xdotool mousemove $((X + 1001)) $((Y + 300))
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
    shot "places-$label-pemo-splitter-dragged" 0
  }
  WHILE_SHOWN=drag_splitter run_and_close "maximised, the splitter dragged" pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL |
    grep -E "on screen|closed|STILL|\.png"
  echo "  stored: $(sqlite3 "$XDG_CONFIG_HOME/pemo/registry.db" "
    SELECT group_concat(v.fold || '=' || $value_text, ' ') FROM reg_values v JOIN keys k ON v.key = k.id
    WHERE k.name = 'SW' AND v.fold IN ('WINDOWSTATE', 'SEGMENTPOSITION', 'TREEVIEW');")"
  made_normal_shot() {
    make_normal "$1"
    shot "places-$label-pemo-splitter-made-normal" 0
  }
  SHOT="places-$label-pemo-splitter-maximised-start" WHILE_SHOWN=made_normal_shot run_and_close "started and made normal" \
    pemo "Pemo ｻﾝﾌﾟﾙ" alt+m START.FIL | grep -E "MAXIMISED|made normal|closed|STILL|\.png"
  echo "  stored: $(sqlite3 "$XDG_CONFIG_HOME/pemo/registry.db" "
    SELECT group_concat(v.fold || '=' || $value_text, ' ') FROM reg_values v JOIN keys k ON v.key = k.id
    WHERE k.name = 'SW' AND v.fold IN ('WINDOWSTATE', 'SEGMENTPOSITION');")"
fi

echo "the stored places ($label):"
stored_places | sed "s/^/  /"
echo "screenshots in $shots"
