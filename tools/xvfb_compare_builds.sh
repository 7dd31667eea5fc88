#!/usr/bin/env bash
# Walks two builds through the same steps under a virtual X server and counts, shot by
# shot, the pixels that differ (ImageMagick `compare -metric AE`), so that a change can
# show it keeps what the user sees. pemo opens each sample menu and a page of 500 mixed
# objects (its tree shown too); pemoedit opens START.FIL, selects, drags, copies and
# pastes, deletes, and opens the large page. WM=openbox and QT_SCALE_FACTOR=1.5 walk it
# under that window manager and scale. Both builds' screenshots and a difference picture
# of each pair that differs go to the folder given (default ./walk-shots).
#
#     [WM=openbox] [QT_SCALE_FACTOR=1.5] tools/xvfb_compare_builds.sh OLD/bin NEW/bin [shots folder]
set -euo pipefail
old_bin="$(cd "$1" && pwd)"
new_bin="$(cd "$2" && pwd)"
source "$(dirname "$0")/xvfb_lib.sh" 92 "$new_bin" "${3:-walk-shots}"

start_window_manager
python3 "$root/tools/drag_menus.py" "$work/menus" >/dev/null

# walk BIN NAME: the steps, with screenshots named NAME-STEP.
walk() {
  local bin="$1" name="$2" menu pemo
  rm -rf "$work/config" && mkdir -p "$work/config"
  for menu in START SUB1 SUB2 MIXED; do
    (cd "$work/menus" && exec "$bin/pemo" "$menu.FIL" >"$work/pemo.log" 2>&1) &
    pemo=$!
    focus_on $pemo
    xdotool windowmove "$(xdotool search --onlyvisible --pid $pemo | tail -1)" 0 0
    xdotool mousemove 1270 1010
    shot "$name-pemo-$menu" 1.5
    if [ "$menu" = START ]; then
      xdotool key ctrl+t
      shot "$name-pemo-$menu-tree" 1
    fi
    stop $pemo
  done

  start_editor_on "$work/menus/START.FIL" "Pemo ｻﾝﾌﾟﾙ"
  xdotool windowmove "$menu_window" 300 120
  sleep 0.5
  shot "$name-edit-open" 1
  click_in "$menu_window" 60 20
  shot "$name-edit-selected" 0.5
  at "$menu_window" 60 20
  xdotool mousedown 1
  for step in 1 2 3 4 5; do at "$menu_window" $((60 + step * 20)) $((20 + step * 30)); sleep 0.1; done
  xdotool mouseup 1
  shot "$name-edit-dragged" 0.5
  keys_to "$menu_window" ctrl+c ctrl+v
  shot "$name-edit-pasted" 0.5
  keys_to "$menu_window" Delete
  shot "$name-edit-deleted" 0.5
  open_menu "$work/menus/MIXED.FIL"
  xdotool windowmove "$(window_of $editor "DRAG MIXED")" 0 60
  xdotool mousemove 1270 1010
  shot "$name-edit-large" 1.5
  stop $editor
}

walk "$old_bin" old
walk "$new_bin" new

echo "pixels that differ between the builds:"
for shot in "$shots"/new-*.png; do
  step=$(basename "$shot" .png)
  step=${step#new-}
  differing=$(compare -metric AE "$shots/old-$step.png" "$shot" "$shots/diff-$step.png" 2>&1 || true)
  [ "$differing" = 0 ] && rm -f "$shots/diff-$step.png"
  printf '  %-24s %s\n' "$step" "$differing"
done
