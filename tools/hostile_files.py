#!/usr/bin/env python3
"""Opens menus whose scripts and pictures name things that are no plain files (a FIFO, a
device, a folder), a file far too large for its use, or a file the kernel calls plain
whose read waits (/proc/kmsg), each with `pemo` (offscreen, quitting after its first
paint), and prints for every run the time to the first paint, the peak resident memory,
the messages shown and whether the FIFO is still a FIFO.

    tools/hostile_files.py [build/bin/pemo] [--keep]

Nothing at the FIFO's other end ever opens it, so a run that waits for it is stopped at
the time limit. Only FIFOs in the temporary folder are written to, never a device. The
/proc/kmsg cases need the privilege to read it (they are skipped without); a run takes
the kernel messages not yet read, which the system log would otherwise get.
"""
import os
import stat

import hostile_menus
from hostile_menus import (MENU, block, pemo_from_arguments, run_pemo, shown_messages, sparse_file, windows,
                           work_folder)

hostile_menus.TIME_LIMIT = 30
HUGE = hostile_menus.MENU_LIMIT + 1  # past what any script or settings file may be
WAITS = "/proc/kmsg"  # a plain file to the kernel, whose read waits for the next message


def script_menu(path, includes=(), lines=(), objects=b"", menu=MENU):
    body = menu + (objects or block(b"LABEL", [b"CAPTION=x"])) + b"BEGIN SCRIPT\r\n"
    body += b"".join(b"INCLUDE %s\r\n" % name.encode() for name in includes)
    body += b'SUB MENU_LOADEDMENU()\r\n    V$ = ""\r\n'
    body += b"".join(line.encode() + b"\r\n" for line in lines)
    body += b'    MSGBOX "script went on " & V$\r\nEND SUB\r\nEND SCRIPT\r\n'
    with open(path, "wb") as f:
        f.write(body)


def can_open(path):
    try:
        os.close(os.open(path, os.O_RDONLY | os.O_NONBLOCK))
        return True
    except OSError:
        return False


def cases(folder):
    fifo = os.path.join(folder, "fifo")
    text = os.path.join(folder, "text.txt")
    huge = os.path.join(folder, "huge.txt")
    with open(text, "wb") as f:
        f.write(b"text\r\n")
    sparse_file(huge, HUGE, b"[S]\r\nK=found\r\nSUB NEVER()\r\nEND SUB\r\n")
    F, T, H, W = windows(fifo), windows(text), windows(huge), windows(WAITS)
    # MSGBOX splits its arguments at every comma, so the value goes through a variable,
    # shown by the closing message (a second message would keep the run from quitting).
    get = lambda file: ['    V$ = "GETSETTING=[" & GETSETTING("%s", "S", "K") & "]"' % file]
    picture = (MENU.replace(b"END MENU", b"    TILINGIMAGE=%s\r\nEND MENU" % F.encode())
               + block(b"IMAGE", [b"PICTURE=%s" % F.encode()])
               + block(b"PICTUREBUTTON", [b"CAPTION=zero", b"PICTURE=C:\\dev\\zero"]))
    return [
        ("INCLUDE C:\\dev\\zero", dict(includes=["C:\\dev\\zero"])),
        ("INCLUDE a FIFO", dict(includes=[F])),
        ("INCLUDE a folder", dict(includes=[windows(folder)])),
        ("INCLUDE a file of 64 MB and a byte", dict(includes=[H])),
        ("GETSETTING on a FIFO", dict(lines=get(F))),
        ("GETSETTING on an INI file of 64 MB and a byte", dict(lines=get(H))),
        ("SAVESETTING on a FIFO", dict(lines=['    SAVESETTING "%s", "S", "K", "v"' % F])),
        ("APPEND to a FIFO", dict(lines=['    APPEND "%s", "line"' % F])),
        ("OUTPUT to a FIFO", dict(lines=['    OUTPUT "%s", "line"' % F])),
        ("FILECOPY from a FIFO", dict(lines=['    FILECOPY "%s", "%s"' % (F, T)])),
        ("FILECOPY onto a FIFO", dict(lines=['    FILECOPY "%s", "%s"' % (T, F)])),
        ("pictures: FIFO tiled, FIFO image, /dev/zero button", dict(objects=picture)),
    ] + [(title, menu if can_open(WAITS) else None) for title, menu in [  # None: skipped
        ("INCLUDE C:\\proc\\kmsg", dict(includes=[W])),
        ("GETSETTING on C:\\proc\\kmsg", dict(lines=get(W))),
        ("an image of C:\\proc\\kmsg", dict(objects=block(b"IMAGE", [b"PICTURE=%s" % W.encode()]))),
    ]], fifo


def main():
    pemo = pemo_from_arguments()
    with work_folder("pemo-hostile-files-") as folder:
        all_cases, fifo = cases(folder)
        for number, (title, menu) in enumerate(all_cases):
            if menu is None:
                print(f"{title:50} skipped: {WAITS} cannot be opened here", flush=True)
                continue
            if os.path.lexists(fifo):
                os.remove(fifo)
            os.mkfifo(fifo)
            path = os.path.join(folder, "case%d.fil" % number)
            script_menu(path, **menu)
            config = os.path.join(folder, "config%d" % number)
            os.makedirs(config)
            run = run_pemo(pemo, path, config)
            kept = "FIFO kept" if stat.S_ISFIFO(os.lstat(fifo).st_mode) else "FIFO REPLACED"
            if run is None:
                print(f"{title:50} stopped after {hostile_menus.TIME_LIMIT} s  {kept}", flush=True)
                continue
            seconds, megabytes, how, errors = run
            print(f"{title:50} {seconds:6.2f} s {megabytes:7.1f} MB  {how}  {kept}  shown: "
                  + shown_messages(errors), flush=True)


if __name__ == "__main__":
    main()
