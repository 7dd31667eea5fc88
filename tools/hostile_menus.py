#!/usr/bin/env python3
"""Writes menu files that once crashed, hung or exhausted the runtime, opens each with
`pemo` (offscreen, quitting after its first paint) and prints the time, the peak
resident memory, the exit status and the messages shown of every run.

    tools/hostile_menus.py [build/bin/pemo] [--keep]

Each run gets its own XDG_CONFIG_HOME, so nothing touches the real settings. A run that
takes longer than the time limit is stopped, with everything it started, and reported as
such. The files are written to a temporary folder, removed at the end unless --keep is
given; the huge ones are sparse and take no room on disk.
"""
import contextlib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

TIME_LIMIT = 120  # seconds before a run counts as hung
SETTLE = 3  # seconds a run that showed a message may go on without painting a page
MESSAGE_CLOSED = "pemo: message closed: "  # how a run tells a message it showed
MENU = b"BEGIN MENU\r\n    CAPTION=hostile\r\nEND MENU\r\n"
MB = 1 << 20
MENU_LIMIT = 64 * MB  # the largest menu file the programs read (menufile::kLargestMenuFile)


def windows(path):
    """The Windows name of a host path on drive C:."""
    return "C:" + os.path.abspath(path).replace("/", "\\")


def block(kind, keys):
    lines = [b"BEGIN " + kind] + [b"    " + k for k in keys] + [b"END " + kind]
    return b"\r\n".join(lines) + b"\r\n"


def geometry_file(path, keys):
    with open(path, "wb") as f:
        f.write(MENU + block(b"BUTTON", [b"CAPTION=x"] + keys))


def many_objects(path, count, kinds):
    with open(path, "wb") as f:
        f.write(MENU)
        for i in range(count):
            kind = kinds[i % len(kinds)]
            f.write(block(kind, [b"CAPTION=%d" % i, b"LEFT=%d" % (i % 50 * 10), b"TOP=%d" % (i // 50 % 50 * 10)]))


def overlapping_labels(path, count):
    """Labels piled on one another: painting them once recursed past the stack."""
    with open(path, "wb") as f:
        f.write(MENU)
        for i in range(count):
            f.write(block(b"LABEL", [b"CAPTION=%d" % i, b"LEFT=%d" % (i % 40 * 12), b"TOP=%d" % (i // 40 % 40 * 12),
                                     b"WIDTH=10", b"HEIGHT=10"]))


def overlapping_frames(path, count, keys=()):
    """Frames the size of the page piled on one another: the page was painted twice."""
    with open(path, "wb") as f:
        f.write(MENU)
        for i in range(count):
            f.write(block(b"FRAME", [b"CAPTION=%d" % i, b"LEFT=%d" % (i % 20), b"TOP=%d" % (i % 20),
                                     b"WIDTH=600", b"HEIGHT=440", *keys]))


def bare_line_ends(path, size):
    with open(path, "wb") as f:
        f.write(b"\r" * size)


def self_including(path, size, includes):
    """A menu whose script includes its own file again and again."""
    body = MENU + block(b"LABEL", [b"CAPTION=x"]) + b"BEGIN SCRIPT\r\n"
    body += b"".join(b"INCLUDE %s\r\n" % windows(path).encode() for _ in range(includes))
    body += b"SUB MENU_LOADEDMENU()\r\nEND SUB\r\n"
    filler = b"' " + b"x" * 76 + b"\r\n"
    body += filler * max(0, (size - len(body)) // len(filler))
    with open(path, "wb") as f:
        f.write(body + b"END SCRIPT\r\n")


def long_link(path, names):
    """One LINK of many folder names: every folder on its way was once looked up and kept."""
    link = b"C:" + b"\\a" * names + b"\\menu.fil"
    with open(path, "wb") as f:
        f.write(MENU + block(b"BUTTON", [b"CAPTION=x", b"LINK=" + link]))


def sparse_file(path, size, start=b""):
    """A file of size bytes: start, then NUL bytes that take no room on disk."""
    with open(path, "wb") as f:
        f.write(start)
    os.truncate(path, size)


def linking_to_sparse_menu(path, size):
    """A start menu whose button links to a menu of size bytes beside it."""
    linked = os.path.join(os.path.dirname(path), "linked-" + os.path.basename(path))
    sparse_file(linked, size, MENU)
    with open(path, "wb") as f:
        f.write(MENU + block(b"BUTTON", [b"CAPTION=x", b"LINK=" + windows(linked).encode()]))


CASES = [
    ("LEFT=1e300 on a button", "left.fil", lambda p: geometry_file(p, [b"LEFT=1e300"])),
    ("HEIGHT=2147483647 on a button", "height.fil", lambda p: geometry_file(p, [b"WIDTH=100", b"HEIGHT=2147483647"])),
    ("WIDTH and HEIGHT 2147483647 on a button", "size.fil",
     lambda p: geometry_file(p, [b"WIDTH=2147483647", b"HEIGHT=2147483647"])),
    ("100,000 blocks of four kinds", "objects.fil",
     lambda p: many_objects(p, 100_000, [b"LABEL", b"BUTTON", b"IMAGE", b"CHECKBOX"])),
    ("100,000 LABEL blocks", "labels.fil", lambda p: many_objects(p, 100_000, [b"LABEL"])),
    ("32,767 overlapping small labels", "overlapping.fil", lambda p: overlapping_labels(p, 32767)),
    ("32,767 overlapping page-sized frames", "frames.fil", lambda p: overlapping_frames(p, 32767)),
    ("the same frames filled with a colour", "filled-frames.fil",
     lambda p: overlapping_frames(p, 32767, [b"BACKCOLOR=C0C0C0"])),
    ("20 MB of CR bytes", "crs.fil", lambda p: bare_line_ends(p, 20 * 1024 * 1024)),
    ("2,000 INCLUDEs of its own 1.15 MB file", "include.fil", lambda p: self_including(p, 1_150_000, 2000)),
    ("a LINK of 20,000 folder names", "link20000.fil", lambda p: long_link(p, 20_000)),
    ("a LINK of 50,000 folder names", "link50000.fil", lambda p: long_link(p, 50_000)),
    ("a start menu linking to a 1 TB menu", "linked1t.fil", lambda p: linking_to_sparse_menu(p, 1 << 40)),
    ("a start menu linking to a 3 GB menu", "linked3g.fil", lambda p: linking_to_sparse_menu(p, 3 << 30)),
    ("a 1 TB start menu", "start1t.fil", lambda p: sparse_file(p, 1 << 40, MENU)),
    ("a start menu of 200 MB of NUL bytes", "nul200m.fil", lambda p: sparse_file(p, 200 * MB)),
    ("a start menu one byte under the limit", "under.fil", lambda p: sparse_file(p, MENU_LIMIT - 1, MENU)),
    ("a start menu one byte over the limit", "over.fil", lambda p: sparse_file(p, MENU_LIMIT + 1, MENU)),
    ("linking to a menu one byte under the limit", "linked-under.fil",
     lambda p: linking_to_sparse_menu(p, MENU_LIMIT - 1)),
    ("linking to a menu one byte over the limit", "linked-over.fil",
     lambda p: linking_to_sparse_menu(p, MENU_LIMIT + 1)),
]


def run_pemo(pemo, menu, config):
    """Runs pemo on a menu until its first paint: (seconds, peak megabytes, how it ended as
    "exit <status>", error output), or None when the run was stopped at the time limit. A
    run that shows a message and then no page (as a start menu that cannot be read does) is
    ended SETTLE seconds after its last message: its seconds are those to that message, and
    it ended with "no page"."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", PEMO_QUIT_AFTER_FIRST_PAINT="1",
               PEMO_POWER_DRY_RUN="1", XDG_CONFIG_HOME=config)
    start = time.monotonic()
    # A group of its own, so that a stopped run takes along whatever pemo started.
    run = subprocess.Popen([pemo, menu], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                           text=True, start_new_session=True)
    errors, last_message = [], [None]

    def read_errors():
        for line in run.stderr:
            errors.append(line)
            if line.startswith(MESSAGE_CLOSED):
                last_message[0] = time.monotonic()

    reader = threading.Thread(target=read_errors)
    reader.start()
    ended = False
    while True:
        # The peak resident memory comes with the exit, as /usr/bin/time gets it.
        pid, status, usage = os.wait4(run.pid, os.WNOHANG)
        if pid:
            break
        now = time.monotonic()
        if now - start > TIME_LIMIT:
            os.killpg(run.pid, signal.SIGKILL)
            os.wait4(run.pid, 0)
            reader.join()
            return None
        if not ended and last_message[0] and now - last_message[0] > SETTLE:
            os.killpg(run.pid, signal.SIGTERM)
            ended = True
        time.sleep(0.02)
    run.returncode = 0  # reaped above
    reader.join()
    seconds = (last_message[0] if ended else time.monotonic()) - start
    code = os.waitstatus_to_exitcode(status)
    how = "no page" if ended else f"exit {128 - code if code < 0 else code}"  # a signal as a shell tells it
    return seconds, usage.ru_maxrss / 1024, how, "".join(errors)


def shown_messages(errors):
    """The messages a run showed (and closed at once), from its error output."""
    shown = [line[len(MESSAGE_CLOSED):] for line in errors.splitlines() if line.startswith(MESSAGE_CLOSED)]
    return " | ".join(shown) or "nothing"


def measure(pemo, menu, config):
    run = run_pemo(pemo, menu, config)
    if run is None:
        return f"stopped after {TIME_LIMIT} s"
    seconds, megabytes, how, errors = run
    return f"{seconds:6.2f} s {megabytes:8.1f} MB  {how:8} shown: {shown_messages(errors)}"


def pemo_from_arguments():
    """The pemo named on the command line (not --keep), else build/bin/pemo."""
    args = [a for a in sys.argv[1:] if a != "--keep"]
    here = os.path.dirname(os.path.abspath(__file__))
    return os.path.abspath(args[0] if args else os.path.join(here, "..", "build", "bin", "pemo"))


@contextlib.contextmanager
def work_folder(prefix):
    """A temporary folder for the runs' files, removed at the end unless --keep is given."""
    folder = tempfile.mkdtemp(prefix=prefix)
    try:
        yield folder
    finally:
        if "--keep" in sys.argv:
            print("files kept in", folder)
        else:
            shutil.rmtree(folder)


def main():
    pemo = pemo_from_arguments()
    with work_folder("pemo-hostile-") as folder:
        for title, name, write in CASES:
            menu = os.path.join(folder, name)
            write(menu)
            config = os.path.join(folder, "config-" + name)
            os.makedirs(config)
            print(f"{title:42} {measure(pemo, menu, config)}", flush=True)


if __name__ == "__main__":
    main()
