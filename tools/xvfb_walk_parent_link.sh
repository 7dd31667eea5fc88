#!/usr/bin/env bash
# Walks the parent link "親ﾒﾆｭｰへ戻る" at every depth with the tree pane shown, under a
# virtual X server without a window manager (or under the one WM names), and prints what
# each click opened:
#   - the shipped samples: START.FIL, ｻﾌﾞﾒﾆｭｰ1 opened from the page, then ｻﾌﾞﾒﾆｭｰ2, the
#     root node collapsed with the mouse, then the parent link (ｻﾌﾞﾒﾆｭｰ1 must open);
#   - a chain START → D1 → D2 → D3 → D4 opened through the pages' links, one node
#     collapsed from the keyboard (and once the Down key after it, which selects another
#     node without opening it), then the parent link on D4's page (D3 must open).
# Screenshots go to the folder given (default ./walk-shots), named parent-link[-WM]-*.png.
#
#     [WM=openbox] [QT_SCALE_FACTOR=1.5] tools/xvfb_walk_parent_link.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 201 "$@"
start_window_manager
name="parent-link${WM:+-$WM}"

mkdir -p "$work/bin"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"

# Each menu of the chain: its first button links the next menu, its second is the parent
# link. START's third starts a program: its node follows D1's, for the Down key to select.
python3 - "$work/menus" <<'PY'
import sys
names = ["START", "D1", "D2", "D3", "D4"]
for depth, name in enumerate(names):
    lines = ["BEGIN MENU", f"CAPTION={name}", "BACKCOLOR=FFFFFF", "END MENU"]
    buttons = [("次へ", f"CHAIN{depth + 1}.FIL", 0)] if depth < 4 else []
    buttons.append(("親ﾒﾆｭｰへ戻る", "", 4))
    if depth == 0:
        buttons.append(("ﾌﾟﾛｸﾞﾗﾑ", "xmessage hello", 0))
    for index, (caption, link, style) in enumerate(buttons, 1):
        lines += ["BEGIN BUTTON", f"INDEX={index}", f"CAPTION={caption}", "LEFT=20", f"TOP={20 + 40 * (index - 1)}",
                  "WIDTH=180", "HEIGHT=30", "FONTNAME=ＭＳ Ｐゴシック", "FONTSIZE=9", f"LINK={link}",
                  f"STYLE={style}", "END BUTTON"]
    open(f"{sys.argv[1]}/CHAIN{depth}.FIL", "wb").write(("\r\n".join(lines) + "\r\n").encode("cp932"))
PY

# The page's objects stand right of the tree pane (204 pixels) and below the menu bar.
page_x() { echo $((204 + $1)); }
page_y() { echo $((menu_bar + $1)); }
menu_bar=23

# start_pemo FILE TITLE: pemo on the menu, its window at 100,100 with the tree shown.
start_pemo() {
  (cd "$work/menus" && exec "$work/bin/pemo" "$1" >>"$work/pemo.log" 2>&1) &
  pemo=$!
  focus_on $pemo
  win=$(window_of $pemo "$2") || { echo "  NO WINDOW TITLED $2"; exit 1; }
  xdotool windowmove "$win" 100 100
  sleep 0.5
  keys_to "$win" ctrl+t
}
# title: the runtime window's caption, or "(closed)" once pemo has gone.
title() {
  kill -0 $pemo 2>/dev/null && xdotool getwindowname "$win" 2>/dev/null || echo "(closed)"
}
# wait_for_title TEXT: until the window shows that caption (at most 5 s).
wait_for_title() {
  for _ in $(seq 25); do [ "$(title)" = "$1" ] && return; sleep 0.2; done
  echo "  NOT OPENED: $1 (the window shows $(title))"
}
# collapse_by_keys ROW [Down]: the tree gets the focus from a click below its nodes (which
# opens nothing), Home and Down make the node of that row current, Left collapses it.
collapse_by_keys() {
  click 30 420
  xdotool key Home
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Left
  sleep 0.5
  [ -n "${2:-}" ] && xdotool key Down && sleep 0.5
  return 0
}
stop_pemo() { stop $pemo; }
# click X Y: a click at a point of the runtime window, wherever a window manager framed it
# (X and Y as at QT_SCALE_FACTOR=1).
scaled() { awk -v n="$1" -v f="${QT_SCALE_FACTOR:-1}" 'BEGIN { printf "%d", n * f }'; }
click() {
  xdotool mousemove --window "$win" "$(scaled "$1")" "$(scaled "$2")" click 1
  sleep 0.5
}

echo "| collapsed | the window before the click | opens |"
echo "|---|---|---|"

start_pemo START.FIL "Pemo ｻﾝﾌﾟﾙ"
click "$(page_x 60)" "$(page_y 78)"  # "→ ｻﾌﾞﾒﾆｭｰ1 を開く"
wait_for_title "ｻﾌﾞﾒﾆｭｰ1"
click "$(page_x 80)" "$(page_y 86)"  # "ｻﾌﾞﾒﾆｭｰ2 へ"
wait_for_title "ｻﾌﾞﾒﾆｭｰ2"
click 8 "$(page_y 10)"  # the root node's branch mark
shot "$name-samples-root-collapsed" 0.5
before=$(title)
click "$(page_x 80)" "$(page_y 214)"  # "親ﾒﾆｭｰへ戻る"
sleep 1
echo "| samples: root | $before | $(title) |"
shot "$name-samples-after-parent-link" 0.5
stop_pemo

# The chain's rows: the tree's row of the collapsed node and its name.
for row in "0 root" "1 D1" "2 D2" "3 D3" "1 D1 Down"; do
  set -- $row
  start_pemo CHAIN0.FIL START
  for depth in 1 2 3 4; do
    click "$(page_x 110)" "$(page_y 35)"  # "次へ"
    wait_for_title "D$depth"
  done
  collapse_by_keys "$1" "${3:-}"
  shot "$name-chain-$2${3:+-down}-collapsed" 0.5
  before=$(title)
  click "$(page_x 110)" "$(page_y 35)"  # D4's "親ﾒﾆｭｰへ戻る"
  sleep 1
  echo "| chain: $2${3:+, then Down} | $before | $(title) |"
  shot "$name-chain-$2${3:+-down}-after-parent-link" 0.5
  stop_pemo
done
echo "screenshots in $shots"
