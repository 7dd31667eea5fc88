#!/usr/bin/env bash
# Walks through the runtime shell as a new user meets it, under a virtual X server
# without a window manager (or under the one WM names):
#   - an xmessage window (an X program that never sets _NET_WM_PID) started from a menu
#     link is listed by its title under "実行中のｱﾌﾟﾘｹｰｼｮﾝ(&R)" and brought forward;
#   - a launcher button's tooltip shows before anything on the bar was clicked;
#   - a stored splitter position of 99999 still leaves the page in the window;
#   - keypad "*" on the tree expands it without opening any menu or message box;
#   - a 21-button bar docked at the top, dragged to the left edge, stays on the screen.
# Screenshots go to the folder given (default ./walk-shots), named shell-user[-WM]-*.png.
#
#     [WM=openbox] tools/xvfb_walk_shell_user.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 86 "$@"
start_window_manager
name="shell-user${WM:+-$WM}"

mkdir -p "$work/bin/PemoUser"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
# Twenty programs started with arguments: buttons without icons, told apart by tooltips.
{
  printf '[APP]\r\n'
  for i in $(seq 0 19); do printf 'App%d=Program %02d,xmessage -title P%02d hello\r\n' "$i" $((i + 1)) $((i + 1)); done
} >"$work/bin/PemoUser/PEMORUN.DAT"

python3 - "$work/menus/SHELLUSER.FIL" <<'PY'
import sys
lines = ["BEGIN MENU", "CAPTION=ｼｪﾙの確認", "BACKCOLOR=FFFFFF", "END MENU"]
links = [("xmessageを開く", 'xmessage -title "Xmsg Walk" "Hello from Pemo"'), ("ｻﾌﾞ1", "SUB1.FIL"),
         ("ｻﾌﾞ2", "SUB2.FIL"), ("ないﾒﾆｭｰ", "NOFILE.FIL")]
for index, (caption, link) in enumerate(links, 1):
    lines += ["BEGIN BUTTON", f"INDEX={index}", f"CAPTION={caption}", "LEFT=20", f"TOP={20 + 40 * (index - 1)}",
              "WIDTH=180", "HEIGHT=30", "FONTNAME=ＭＳ Ｐゴシック", "FONTSIZE=9", f"LINK={link}", "STYLE=0",
              "END BUTTON"]
open(sys.argv[1], "wb").write(("\r\n".join(lines) + "\r\n").encode("cp932"))
PY

start_pemo() {
  cd "$work/menus"
  "$work/bin/pemo" SHELLUSER.FIL >>"$work/pemo.log" 2>&1 &
  pemo=$!
  focus_on $pemo
  sleep 1.5
  win=$(window_of $pemo "ｼｪﾙの確認")
  # Clear of the launcher bar, which starts in the screen's top left corner.
  xdotool windowmove "$win" 200 150
  sleep 0.5
}
close_pemo() {
  xdotool windowfocus "$win" 2>/dev/null || true
  sleep 0.3
  xdotool key --delay 150 alt+m x
  for _ in $(seq 25); do kill -0 $pemo 2>/dev/null || break; sleep 0.2; done
  if kill -0 $pemo 2>/dev/null; then echo "  PEMO DID NOT CLOSE FROM ITS MENU"; shot "$name-not-closed" 0; fi
  stop $pemo
}
# set_setting KEY NAME TEXT: a text value under the runtime's registry key, as a close
# left it (the key and the value exist once pemo has closed).
set_setting() {
  python3 - "$XDG_CONFIG_HOME/pemo/registry.db" "$@" <<'PY'
import sqlite3, sys
db, key, name, text = sys.argv[1:]
c = sqlite3.connect(db)
parent = c.execute("SELECT k.id FROM keys k JOIN keys p ON k.parent = p.id JOIN keys pp ON p.parent = pp.id"
                   " WHERE k.fold = ? AND p.fold = 'PEMO' AND pp.fold = 'KALVO'", (key.upper(),)).fetchone()
changed = c.execute("UPDATE reg_values SET data = ? WHERE key = ? AND fold = ?", (text, parent[0], name.upper())).rowcount
c.commit()
print(f"  {key}\\{name} = {text}" + ("" if changed else " (NOT FOUND)"))
PY
}
# message_boxes: the number of visible windows of pemo titled "Pemo" (its message boxes
# and the launcher bar).
message_boxes() {
  local count=0 id
  for id in $(xdotool search --onlyvisible --pid $pemo 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "Pemo" ] && count=$((count + 1))
  done
  echo $count
}

echo "first start: the launcher bar's tooltip before any click on it"
start_pemo
xdotool windowfocus "$win"
xdotool key F2
sleep 1
echo "  focus: $(xdotool getwindowfocus), the runtime window: $win"
# The bar lies in the screen's corner; its second button (the first program) is 45 to 81
# pixels from the left. The pointer comes from outside, as a hand's would.
xdotool mousemove 640 700
sleep 0.3
xdotool mousemove 60 20
sleep 0.2
xdotool mousemove 63 22
shot "$name-01-tooltip-before-click" 2

echo "an xmessage window started from a menu link:"
xdotool mousemove --window "$win" 110 55 click 1
xmessage_window=$(timeout 10 xdotool search --sync --onlyvisible --name "^Xmsg Walk\$" | head -1)
echo "  xmessage window $xmessage_window, _NET_WM_PID: $(xprop -id "$xmessage_window" _NET_WM_PID 2>/dev/null | sed 's/.*= *//')"
running_apps_submenu $pemo "$win"
shot "$name-02-running-apps-lists-xmessage"
choose_running_item "$xmessage_window"
shot "$name-03-xmessage-brought-forward"
# xmessage is pemo's child; the window itself does not say its process.
for child in $(pgrep -P $pemo); do stop "$child"; done
close_pemo

echo "settings as a damaged or hand-edited registry leaves them:"
set_setting SW TreeView True
set_setting SW SegmentPosition 99999
set_setting Launch Edge 1
set_setting Launch ShowMostTop 1
set_setting Launch Left 1500
set_setting Launch Top 0
set_setting Launch WindowVec 0

echo "second start: the splitter within the window"
start_pemo
echo "  runtime window: $(xdotool getwindowgeometry "$win" | tr '\n' ' ')"
shot "$name-04-segment-99999-page-visible"

echo "keypad * on the tree's root:"
# The tree gets the focus from a click below its nodes (which opens nothing), and Home
# makes the root its current node.
click_in "$win" 30 420
xdotool key Home
sleep 0.3
caption_before=$(xdotool getwindowname "$win")
boxes_before=$(message_boxes)
xdotool key KP_Multiply
sleep 1.5
echo "  caption before: $caption_before, after: $(xdotool getwindowname "$win")"
echo "  windows titled Pemo (the launcher bar; a message box would add one): before $boxes_before, after $(message_boxes)"
shot "$name-05-keypad-star-page-unchanged"

echo "the docked 21-button bar dragged from the top to the left edge (10 % / 30 %):"
# The pointer expands the strip; the drag starts on the margin above the buttons.
xdotool mousemove 500 4
sleep 0.5
xdotool mousemove 500 1 mousedown 1
sleep 0.2
xdotool mousemove 300 150
sleep 0.2
xdotool mousemove 128 307
sleep 0.2
xdotool mousemove 128 307
sleep 0.3
xdotool mouseup 1
sleep 0.5
xdotool mousemove 4 600
sleep 1
for id in $(xdotool search --onlyvisible --pid $pemo 2>/dev/null); do
  geometry=$(xdotool getwindowgeometry "$id" | tr '\n' ' ')
  case "$geometry" in *"Geometry: 54x864"*) echo "  bar: $geometry" ;; esac
done
shot "$name-06-bar-dragged-left-on-screen"
xdotool mousemove 640 700
close_pemo
echo "screenshots in $shots"
