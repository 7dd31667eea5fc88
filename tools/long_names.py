#!/usr/bin/env python3
"""Writes files whose names are 235, 240, 255 and 256 bytes long through every writer the
programs have, with the programs of one build folder, and prints a table of what each
writer did with each length: "written", or what happened instead.

    tools/long_names.py [build/bin] [--keep]

The writers:
  - the script statements OUTPUT, SAVESETTING and FILECOPY (pemo, offscreen, quitting
    after its first paint), each writing a file of that name;
  - a record-file create (libhapsy's VBBtFileCreateOpen, then a put, a close and a count
    of the records in a new open);
  - an archive extraction (the archiver of libkovanc, on an archive of one entry of that
    name);
  - the favourites list: pemo under Xvfb (display PEMO_DISPLAY, 251 unless set) on a start
    menu whose caption has that many bytes, and Ctrl+U; its list is named after the caption.

A 256-byte name is longer than the host takes: it must be refused, with nothing left.
"""
import ctypes
import glob
import os
import shutil
import struct
import subprocess
import sys
import time

import hostile_menus
from hostile_files import script_menu, windows
from hostile_menus import run_pemo, work_folder

LENGTHS = [235, 240, 255, 256]
WRITERS = ["OUTPUT", "SAVESETTING", "FILECOPY", "record create", "extraction", "favourites"]
hostile_menus.TIME_LIMIT = 30


def bin_folder():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    here = os.path.dirname(os.path.abspath(__file__))
    return os.path.abspath(args[0] if args else os.path.join(here, "..", "build", "bin"))


def left_in(folder, besides=()):
    """What a writer left in its folder other than the names given."""
    return sorted(set(os.listdir(folder)) - set(besides))


def outcome(written, folder, length, shown=""):
    """ "written", or "refused" with what was shown (the work folder as "…", the name as
    <name>) and the count of files left."""
    if written:
        return "written"
    leftovers = left_in(folder, ["source"])
    shown = shown.replace(windows(folder), "…").replace(folder, "…").replace("n" * length, "<name>")
    return "refused" + (f" ({shown})" if shown else "") + (f", {len(leftovers)} left" if leftovers else "")


def script_writer(pemo, folder, writer, length):
    target = os.path.join(folder, "n" * length)
    source = os.path.join(folder, "source")
    with open(source, "wb") as f:
        f.write(b"copied\r\n")
    lines = {"OUTPUT": ['    OUTPUT "%s", "line"' % windows(target)],
             "SAVESETTING": ['    SAVESETTING "%s", "S", "K", "v"' % windows(target)],
             "FILECOPY": ['    FILECOPY "%s", "%s"' % (windows(source), windows(target))]}[writer]
    menu = os.path.join(folder, "menu.fil")
    script_menu(menu, lines=lines)
    config = os.path.join(folder, "config")
    os.makedirs(config)
    run = run_pemo(pemo, menu, config)
    os.remove(menu)
    shutil.rmtree(config)
    if run is None:
        return f"stopped after {hostile_menus.TIME_LIMIT} s"
    expected = {"OUTPUT": b"line", "SAVESETTING": b"K=v", "FILECOPY": b"copied"}[writer]
    try:
        with open(target, "rb") as f:
            written = expected in f.read()
    except OSError:
        written = False
    shown = [line.split(": ", 2)[2] for line in run[3].splitlines() if line.startswith("pemo: message closed: ")]
    shown = [text for text in shown if not text.startswith("script went on")]
    return outcome(written, folder, length, " / ".join(shown))


# Run in a process of its own, so that each build's libraries are loaded alone.
RECORD_CREATE = r"""
import ctypes, struct, sys
library = ctypes.CDLL(sys.argv[1])
path = sys.argv[2].encode()
keys = bytearray(21)
struct.pack_into("<i", keys, 0, 1)      # position
keys[4] = ord("S")                      # type: string
struct.pack_into("<i", keys, 5, 8)      # length
handle = library.VBBtFileCreateOpen(path, 16, 0, 1, 1, bytes(keys))
if handle < 0:
    print("create failed"); sys.exit()
put = library.BtOCFilePut(handle, b"K0000001" + b" " * 8)
library.BtFileClose(handle)
handle = library.BtFileOpen(path, -2)
print("written" if put == 0 and handle >= 0 and library.BtOCRecTotalGet(handle) == 1 else
      "put %d, open %d" % (put, handle))
"""


def record_create(bin, folder, length):
    target = os.path.join(folder, "n" * length)
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"), PEMO_POWER_DRY_RUN="1")
    run = subprocess.run([sys.executable, "-c", RECORD_CREATE, os.path.join(bin, "libhapsy.so"), target],
                         env=env, capture_output=True, text=True, timeout=60)
    result = run.stdout.strip() or f"exit {run.returncode}"
    shown = run.stderr.strip().splitlines()
    if result == "written":
        return result
    shutil.rmtree(os.path.join(folder, "config"), ignore_errors=True)
    return outcome(False, folder, length, shown[0] if shown else result)


def crc16(data):
    crc = 0
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def unix_archive(name, data):
    """One uncompressed entry with a level-2 header, as Unix archivers write it."""
    header = b"-lh0-" + struct.pack("<IIIBBH", len(data), len(data), 1600000000, 0x20, 2, crc16(data)) + b"U"
    header += struct.pack("<H", 1 + len(name) + 2) + b"\x01" + name + struct.pack("<H", 0)
    return struct.pack("<H", 2 + len(header)) + header + data + b"\0"


EXTRACTION = r"""
import ctypes, sys
library = ctypes.CDLL(sys.argv[1])
run = library._ZN4pemo7archive13runLhaCommandESt17basic_string_viewIcSt11char_traitsIcEE
run.argtypes = [ctypes.c_size_t, ctypes.c_char_p]
run.restype = ctypes.c_int16
command = sys.argv[2].encode()
print(run(len(command), command) & 0xFFFF)
"""


def extraction(bin, folder, length):
    name = b"n" * length
    archive = os.path.join(folder, "long.lzh")
    with open(archive, "wb") as f:
        f.write(unix_archive(name, b"extracted"))
    out = os.path.join(folder, "out")
    os.makedirs(out)
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"), PEMO_POWER_DRY_RUN="1")
    command = 'e "%s" "%s\\"' % (windows(archive), windows(out))
    run = subprocess.run([sys.executable, "-c", EXTRACTION, os.path.join(bin, "libkovanc.so"), command],
                         env=env, capture_output=True, text=True, timeout=60)
    code = run.stdout.strip()
    try:
        with open(os.path.join(out, name.decode()), "rb") as f:
            written = f.read() == b"extracted"
    except OSError:
        written = False
    if written and code == "0":
        return "written"
    leftovers = left_in(out)
    return f"refused (0x{int(code):04X})" if code.isdigit() else f"failed ({run.stderr.strip()[-80:]})" + (
        f", {len(leftovers)} left" if leftovers else "")


class Display:
    """Xvfb on PEMO_DISPLAY (251 unless set), while the favourites are tried."""

    def __enter__(self):
        self.name = ":" + os.environ.get("PEMO_DISPLAY", "251")
        self.server = None
        if shutil.which("Xvfb") and shutil.which("xdotool"):
            self.server = subprocess.Popen(["Xvfb", self.name, "-screen", "0", "1280x1024x24"],
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1)
        return self

    def __exit__(self, *error):
        if self.server:
            self.server.terminate()
            self.server.wait()


def favourites(bin, folder, length, display):
    if not display.server:
        return "not tried (no Xvfb or xdotool)"
    programs = os.path.join(folder, "bin")
    os.makedirs(os.path.join(programs, "PemoUser"))
    for program in [os.path.join(bin, "pemo")] + glob.glob(os.path.join(bin, "*.so")):
        shutil.copy(program, programs)
    menu = os.path.join(folder, "START.FIL")
    with open(menu, "wb") as f:
        f.write(b"BEGIN MENU\r\n    CAPTION=" + b"n" * length + b"\r\nEND MENU\r\n"
                b"BEGIN LABEL\r\n    CAPTION=x\r\nEND LABEL\r\n")
    env = dict(os.environ, DISPLAY=display.name, XDG_CONFIG_HOME=os.path.join(folder, "config"),
               PEMO_POWER_DRY_RUN="1")
    env.pop("QT_QPA_PLATFORM", None)
    pemo = subprocess.Popen([os.path.join(programs, "pemo"), menu], env=env, cwd=folder,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = ""
        for _ in range(50):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pemo.pid)], env=env,
                                   capture_output=True, text=True).stdout.split()
            if found:
                window = found[-1]
                break
            time.sleep(0.2)
        if not window:
            return "no window"
        subprocess.run(["xdotool", "windowfocus", window], env=env, capture_output=True)
        time.sleep(0.5)
        subprocess.run(["xdotool", "key", "ctrl+u"], env=env, capture_output=True)
        time.sleep(1.5)
    finally:
        pemo.terminate()
        pemo.wait()
    lists = [name for name in os.listdir(os.path.join(programs, "PemoUser")) if name.endswith(".USER")]
    if not lists:
        return "nothing stored"
    with open(os.path.join(programs, "PemoUser", lists[0]), "rb") as f:
        stored = b"START.FIL" in f.read().upper()
    return f"{'written' if stored else 'no entry'} ({len(lists[0].encode())}-byte name)"


def main():
    bin = bin_folder()
    pemo = os.path.join(bin, "pemo")
    print(f"programs: {bin}\n")
    print("| writer | " + " | ".join(f"{n} bytes" for n in LENGTHS) + " |")
    print("|---" * (len(LENGTHS) + 1) + "|", flush=True)
    with work_folder("pemo-long-names-") as work, Display() as display:
        for writer in WRITERS:
            row = []
            for length in LENGTHS:
                folder = os.path.join(work, f"{writer.replace(' ', '-')}-{length}")
                os.makedirs(folder)
                if writer in ("OUTPUT", "SAVESETTING", "FILECOPY"):
                    row.append(script_writer(pemo, folder, writer, length))
                elif writer == "record create":
                    row.append(record_create(bin, folder, length))
                elif writer == "extraction":
                    row.append(extraction(bin, folder, length))
                else:
                    row.append(favourites(bin, folder, length, display))
            print(f"| {writer} | " + " | ".join(row) + " |", flush=True)


if __name__ == "__main__":
    main()
