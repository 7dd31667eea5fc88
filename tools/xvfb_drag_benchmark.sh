#!/usr/bin/env bash
# Times the editor's band selection and group drag as a user meets them: pemoedit under a
# virtual X server opens a menu of 500 mixed objects (labels, buttons, picture buttons,
# frames) and one of 500 labels, and build/bin/drag_driver draws a band around all of
# them and drags the selection in 20 pointer steps through XTest, each step followed by
# a _NET_WM_PING round trip. Prints the figures with the machine's load; a screenshot of
# each menu during and after its drag goes to the folder given (default: ./walk-shots).
#
#     tools/xvfb_drag_benchmark.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 91 "$@"

[ -x "$bin/drag_driver" ] || { echo "build/bin/drag_driver is missing (libxcb-xtest0-dev)"; exit 1; }
python3 "$root/tools/drag_menus.py" "$work/menus"
cd "$work/menus"
echo "load: $(uptime)"

# The grid: 25 by 20 cells of 48 by 32 pixels from (10, 10); the band takes it whole, the
# drag holds the first object.
for menu in MIXED LABELS; do
  start_editor_on "$work/menus/$menu.FIL" "DRAG $menu"
  window=$menu_window
  xdotool windowmove "$window" 0 0
  sleep 1
  # The button stays down three seconds before the release, for the outlines' picture.
  "$bin/drag_driver" "$window" 2 2 1215 655 30 22 20 "500 $(echo $menu | tr A-Z a-z)" 3000 &
  driver=$!
  shot "drag-$menu-outlines" 2
  wait $driver
  shot "drag-$menu-dropped" 0.5
  xdotool key --window "$window" ctrl+w 2>/dev/null || true
  stop $editor
done
