#!/usr/bin/env bash
# Walks through the running-programs submenu under a virtual X server without a window
# manager (or under the one WM names): a menu link starts a small window program, the
# popup lists its title under "実行中のｱﾌﾟﾘｹｰｼｮﾝ(&R)", choosing it gives it the focus,
# and once it has ended the popup says "なし". A second link starts a program without a
# window, listed by its link.
# Screenshots go to the folder given (default ./walk-shots). pemo runs from a copy of
# the program folder, so that what it writes there stays out of the build.
#
#     [WM=openbox] tools/xvfb_walk_running.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 73 "$@"

titled_window="$(cd "$bin/../tests" && pwd)/titled_window"
mkdir -p "$work/bin"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"

start_window_manager

# A program without a window that says its process id, so the walk can end it.
printf '#!/bin/sh\necho $$ >"%s/quiet.pid"\nexec sleep 600\n' "$work" >"$work/quiet.sh"
chmod +x "$work/quiet.sh"
windows_path() { echo "C:$1" | tr / '\\'; }
python3 - "$work/menus/RUNNING.FIL" "$(windows_path "$titled_window")" "$(windows_path "$work/quiet.sh")" <<'PY'
import sys
menu, window_program, quiet = sys.argv[1:]
lines = ["BEGIN MENU", "CAPTION=実行中のｱﾌﾟﾘｹｰｼｮﾝ", "BACKCOLOR=FFFFFF", "END MENU"]
for index, (caption, link, top) in enumerate([("窓を開く", window_program + " \"ﾃｽﾄ窓 Test\"", 20),
                                             ("窓のないﾌﾟﾛｸﾞﾗﾑ", quiet, 60)], 1):
    lines += ["BEGIN BUTTON", f"INDEX={index}", f"CAPTION={caption}", "LEFT=20", f"TOP={top}", "WIDTH=180",
              "HEIGHT=30", "FONTNAME=ＭＳ Ｐゴシック", "FONTSIZE=9", f"LINK={link}", "STYLE=0", "END BUTTON"]
open(menu, "wb").write(("\r\n".join(lines) + "\r\n").encode("cp932"))
PY

# click_page X Y [BUTTON]: a click at a place of the runtime window.
click_page() { xdotool mousemove --window "$pemo_window" "$1" "$2" click "${3:-1}"; sleep 0.7; }

echo "pemo with two program links:"
cd "$work/menus"
"$work/bin/pemo" RUNNING.FIL >"$work/pemo.log" 2>&1 &
pemo=$!
focus_on $pemo
sleep 1
pemo_window=$(xdotool search --onlyvisible --name "^実行中のｱﾌﾟﾘｹｰｼｮﾝ\$" | head -1)
shot running${WM:+-$WM}-page

click_page 110 55
test_window=$(timeout 10 xdotool search --sync --onlyvisible --name "ﾃｽﾄ窓 Test" | head -1)
click_page 110 95
running_apps_submenu $pemo "$pemo_window"
shot running${WM:+-$WM}-submenu-two-programs

choose_running_item "$test_window"
shot running${WM:+-$WM}-after-choosing

echo "the programs end:"
xdotool key Escape
kill "$(cat "$work/quiet.pid")"
sleep 1.2
running_apps_submenu $pemo "$pemo_window"
shot running${WM:+-$WM}-submenu-none
xdotool key Escape Escape
stop $pemo
echo "screenshots in $shots"
