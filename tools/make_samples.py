#!/usr/bin/env python3
"""Writes the sample menus (code page 932, CR LF) and their pictures into samples/.

The menus name their files by paths relative to their own folder: the runtime makes the
start menu's folder the current folder, so the samples work wherever the tree lies.
"""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples")
FONT = "ＭＳ Ｐゴシック"


def bmp(path, width, height, pixel):
    """A 24-bit BMP; pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def pictures():
    p = os.path.join(HERE, "pictures")
    # A soft check pattern for the tiled background.
    bmp(os.path.join(p, "tile.bmp"), 48, 48,
        lambda x, y: (236, 242, 250) if ((x // 24) + (y // 24)) % 2 else (226, 234, 246))

    def disc(colour):
        def px(x, y):
            dx, dy = x - 15.5, y - 15.5
            if dx * dx + dy * dy <= 196:
                shade = 1.0 - (dx + dy) / 80.0
                return tuple(max(0, min(255, int(c * shade))) for c in colour)
            return (240, 240, 240)
        return px

    bmp(os.path.join(p, "folder.bmp"), 32, 32, disc((230, 170, 40)))
    bmp(os.path.join(p, "editor.bmp"), 32, 32, disc((60, 140, 220)))
    bmp(os.path.join(p, "clock.bmp"), 32, 32, disc((90, 180, 90)))

    def landscape(x, y):
        if y < 40:
            return (120 + y, 170 + y, 235)
        if (x - 60) ** 2 + (y - 20) ** 2 < 120:
            return (250, 220, 80)
        return (70, 150 - (y - 40), 70)
    bmp(os.path.join(p, "landscape.bmp"), 96, 64, landscape)


def menu(caption, backcolor="FFFFFF", unloadmode=0, tiling=""):
    return ["BEGIN MENU", f"    CAPTION={caption}", f"    BACKCOLOR={backcolor}",
            f"    UNLOADMODE={unloadmode}", f"    TILINGIMAGE={tiling}", "END MENU"]


def font(size=9, bold=False):
    return [f"FONTNAME={FONT}", f"FONTSIZE={size}", f"FONTBOLD={bold}", "FONTITALIC=False",
            "FONTUNDERLINE=False"]


class Blocks:
    """Numbers the blocks of each kind in file order, as the editor does."""

    def __init__(self):
        self.count = {}
        self.blocks = {}

    def add(self, kind, keys):
        n = self.count.get(kind, 0) + 1
        self.count[kind] = n
        self.blocks.setdefault(kind, []).append((n, keys))
        return n

    def lines(self):
        out = []
        for kind in ["LABEL", "BUTTON", "PICTUREBUTTON", "IMAGE", "RADIO", "CHECKBOX", "FRAME", "COMBOBOX", "LINE"]:
            for n, keys in self.blocks.get(kind, []):
                out += ["", f"BEGIN {kind}"]
                index = [f"INDEX={n}"] if kind != "LINE" else []
                if kind == "IMAGE":
                    keys = keys[:1] + index + keys[1:]
                else:
                    keys = index + keys
                out += ["    " + k for k in keys]
                out.append(f"END {kind}")
        return out


def geometry(left, top, width, height=None):
    g = [f"LEFT={left}", f"TOP={top}", f"WIDTH={width}"]
    if height is not None:
        g.append(f"HEIGHT={height}")
    return g


def label(b, caption, left, top, width, height, link="", style=0, size=9, bold=False, colour="0", parent=None):
    keys = [f"CAPTION={caption}"] + ([f"PARENT={parent}"] if parent else []) + geometry(left, top, width, height)
    keys += [f"FORECOLOR={colour}"] + font(size, bold) + [f"LINK={link}", f"STYLE={style}", "ONCURSORCOLOR=FF0000"]
    b.add("LABEL", keys)


def button(b, caption, left, top, width, height, link="", style=0):
    b.add("BUTTON", [f"CAPTION={caption}"] + geometry(left, top, width, height) + font() +
          [f"LINK={link}", f"STYLE={style}"])


def picture_button(b, caption, left, top, width, height, link, picture, style=0):
    b.add("PICTUREBUTTON", [f"CAPTION={caption}"] + geometry(left, top, width, height) + font() +
          [f"LINK={link}", f"STYLE={style}", f"PICTURE={picture}"])


def write(name, lines, script=None):
    if script is not None:
        lines = lines + ["", "Begin Script"] + script + ["End Script"]
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))


def start_menu():
    b = Blocks()
    label(b, "Pemo ｻﾝﾌﾟﾙﾒﾆｭｰ", 16, 10, 360, 28, size=16, bold=True, colour="800000")
    label(b, "ﾒﾆｭｰのﾘﾝｸ、ﾌﾟﾛｸﾞﾗﾑの起動、選択実行を試せます。", 16, 42, 420, 18)
    label(b, "→ ｻﾌﾞﾒﾆｭｰ1 を開く (ﾗﾍﾞﾙのﾘﾝｸ)", 16, 70, 260, 18, link="SUB1.FIL", colour="FF0000")
    button(b, "ｻﾌﾞﾒﾆｭｰ2 (選択実行)", 16, 96, 180, 28, link="SUB2.FIL")
    button(b, "ﾒﾆｭｰを終了", 16, 420, 120, 28, style=4)
    picture_button(b, "ﾌｫﾙﾀﾞ", 220, 92, 72, 64, "EXPLORER.EXE .", "pictures\\folder.bmp")
    picture_button(b, "ﾒﾓ帳", 300, 92, 72, 64, "NOTEPAD.EXE README.TXT", "pictures\\editor.bmp", style=5)
    picture_button(b, "待機 20秒", 380, 92, 72, 64, "programs\\pause.sh 20", "pictures\\clock.bmp")
    b.add("IMAGE", ["CAPTION=文書を開きます (README.TXT)"] + geometry(16, 140, 96, 64) +
          ["LINK=README.TXT", "STYLE=0", "PICTURE=pictures\\landscape.bmp", "STRETCH=False"])
    b.add("IMAGE", ["CAPTION=縮小表示"] + geometry(120, 156, 48, 32) +
          ["LINK=SUB1.FIL", "STYLE=0", "PICTURE=pictures\\landscape.bmp", "STRETCH=True"])
    frame = b.add("FRAME", ["CAPTION=設定"] + geometry(16, 220, 280, 180) +
                  ["BACKCOLOR=F0F0F0", "FORECOLOR=0"] + font())
    b.add("RADIO", ["CAPTION=標準", f"PARENT={frame}"] + geometry(12, 24, 120, 20) +
          ["BACKCOLOR=F0F0F0", "FORECOLOR=0"] + font() + ["VALUE=True"])
    b.add("RADIO", ["CAPTION=詳細", f"PARENT={frame}"] + geometry(12, 48, 120, 20) +
          ["BACKCOLOR=F0F0F0", "FORECOLOR=0"] + font() + ["VALUE=False"])
    b.add("CHECKBOX", ["CAPTION=確認する", f"PARENT={frame}"] + geometry(140, 24, 120, 20) +
          ["BACKCOLOR=F0F0F0", "FORECOLOR=0"] + font() + ["VALUE=1"])
    b.add("CHECKBOX", ["CAPTION=保留", f"PARENT={frame}"] + geometry(140, 48, 120, 20) +
          ["BACKCOLOR=F0F0F0", "FORECOLOR=0"] + font() + ["VALUE=2"])
    label(b, "枠の中のﾗﾍﾞﾙ", 12, 84, 200, 18, parent=frame)
    b.add("COMBOBOX", [f"PARENT={frame}"] + geometry(12, 112, 180) + ["FORECOLOR=0"] + font())
    b.add("CHECKBOX", ["CAPTION=枠の外のﾁｪｯｸ"] + geometry(320, 230, 140, 20) +
          ["BACKCOLOR=FFFFFF", "FORECOLOR=0"] + font() + ["VALUE=0"])
    b.add("LINE", ["X1=16", "Y1=64", "X2=440", "Y2=64", "BORDERWIDTH=2", "FORECOLOR=C08000"])
    write("START.FIL", menu("Pemo ｻﾝﾌﾟﾙ", tiling="pictures\\tile.bmp") + b.lines())


def sub1():
    b = Blocks()
    label(b, "ｻﾌﾞﾒﾆｭｰ1", 16, 10, 300, 26, size=14, bold=True, colour="8000")
    label(b, "ﾘﾝｸ形式 0: ﾒﾆｭｰ・ﾌﾟﾛｸﾞﾗﾑ・文書を開きます。", 16, 44, 400, 18)
    button(b, "ｻﾌﾞﾒﾆｭｰ2 へ", 16, 72, 140, 28, link="SUB2.FIL")
    button(b, "文書を開く", 16, 108, 140, 28, link="README.TXT")
    button(b, "親ﾒﾆｭｰへ戻る", 16, 160, 140, 28, style=4)
    # A page wider and taller than the window shows the scroll bars.
    label(b, "ﾍﾟｰｼﾞの右下の端", 900, 700, 160, 18)
    write("SUB1.FIL", menu("ｻﾌﾞﾒﾆｭｰ1", backcolor="E0FFFF", unloadmode=1) + b.lines(),
          script=["SUB MENU_LOADEDMENU()", "END SUB"])


def sub2():
    b = Blocks()
    label(b, "ｻﾌﾞﾒﾆｭｰ2: 選択して実行", 16, 10, 360, 26, size=14, bold=True, colour="80")
    label(b, "処理A〜Cをｸﾘｯｸして選ぶと番号が付きます。もう一度ｸﾘｯｸで外れます。", 16, 42, 460, 18)
    button(b, "処理A (1秒)", 16, 70, 150, 28, link="programs\\pause.sh 1", style=1)
    button(b, "処理B (2秒)", 16, 104, 150, 28, link="programs\\pause.sh 2", style=1)
    label(b, "処理C (1秒)", 16, 140, 150, 20, link="programs\\pause.sh 1", style=1, colour="FF")
    button(b, "選択を実行", 200, 70, 160, 28, style=2)
    button(b, "選択を実行して親へ", 200, 104, 160, 28, style=3)
    button(b, "選択を実行してﾒﾆｭｰ1へ", 200, 138, 160, 28, link="SUB1.FIL", style=3)
    b.add("IMAGE", ["CAPTION=実行して終わるまで待ちます (3秒)"] + geometry(380, 70, 96, 64) +
          ["LINK=programs\\pause.sh 3", "STYLE=5", "PICTURE=pictures\\landscape.bmp", "STRETCH=False"])
    button(b, "親ﾒﾆｭｰへ戻る", 16, 200, 140, 28, style=4)
    write("SUB2.FIL", menu("ｻﾌﾞﾒﾆｭｰ2", backcolor="F0FFF0") + b.lines())


def readme():
    text = ("Pemo のｻﾝﾌﾟﾙ文書です。\r\nﾒﾆｭｰのﾘﾝｸから文書を開くと、この文書が関連付けられたﾌﾟﾛｸﾞﾗﾑで開きます。\r\n")
    with open(os.path.join(HERE, "README.TXT"), "wb") as f:
        f.write(text.encode("utf-8"))


def programs():
    path = os.path.join(HERE, "programs", "pause.sh")
    with open(path, "w") as f:
        f.write("#!/bin/sh\n# Stands for a program that runs a while: waits the given seconds.\nsleep \"${1:-5}\"\n")
    os.chmod(path, 0o755)


if __name__ == "__main__":
    pictures()
    start_menu()
    sub1()
    sub2()
    readme()
    programs()
