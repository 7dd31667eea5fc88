#!/usr/bin/env python3
"""Writes the menus that tools/xvfb_drag_benchmark.sh drags: 500 mixed objects (labels,
buttons, picture buttons, frames) and 500 labels, on a grid of 25 by 20 cells of 48 by 32
pixels, in code page 932 with CR LF as the editor writes them.

    tools/drag_menus.py FOLDER
"""
import os
import shutil
import sys

COLUMNS, ROWS, CELL_W, CELL_H = 25, 20, 48, 32
FONT = ["FONTNAME=ＭＳ Ｐゴシック", "FONTSIZE=9", "FONTBOLD=False", "FONTITALIC=False", "FONTUNDERLINE=False"]


def place(i):
    return [f"LEFT={10 + (i % COLUMNS) * CELL_W}", f"TOP={10 + (i // COLUMNS) * CELL_H}", "WIDTH=42", "HEIGHT=26"]


def block(kind, index, i):
    keys = [f"INDEX={index}", f"CAPTION={kind[0]}{i}"] + place(i)
    if kind == "FRAME":
        keys += ["BACKCOLOR=F0F0F0", "FORECOLOR=0"] + FONT
    else:
        keys += (["FORECOLOR=0"] if kind == "LABEL" else []) + FONT + ["LINK=", "STYLE=0"]
    if kind == "PICTUREBUTTON":
        keys.append("PICTURE=pictures\\folder.bmp")
    return keys


def menu(caption, kinds):
    lines = ["BEGIN MENU", f"    CAPTION={caption}", "    BACKCOLOR=FFFFFF", "    UNLOADMODE=0",
             "    TILINGIMAGE=", "END MENU"]
    counts = {}
    blocks = {}
    for i in range(COLUMNS * ROWS):
        kind = kinds[i % len(kinds)]
        counts[kind] = counts.get(kind, 0) + 1
        blocks.setdefault(kind, []).append(block(kind, counts[kind], i))
    for kind in ["LABEL", "BUTTON", "PICTUREBUTTON", "FRAME"]:
        for keys in blocks.get(kind, []):
            lines += ["", f"BEGIN {kind}"] + ["    " + k for k in keys] + [f"END {kind}"]
    return ("\r\n".join(lines) + "\r\n").encode("cp932")


def main():
    folder = sys.argv[1]
    os.makedirs(os.path.join(folder, "pictures"), exist_ok=True)
    here = os.path.dirname(os.path.abspath(__file__))
    shutil.copy(os.path.join(here, "..", "samples", "pictures", "folder.bmp"), os.path.join(folder, "pictures"))
    with open(os.path.join(folder, "MIXED.FIL"), "wb") as f:
        f.write(menu("DRAG MIXED", ["LABEL", "BUTTON", "PICTUREBUTTON", "FRAME"]))
    with open(os.path.join(folder, "LABELS.FIL"), "wb") as f:
        f.write(menu("DRAG LABELS", ["LABEL"]))


if __name__ == "__main__":
    main()
