#!/usr/bin/env bash
# Creates a record file through libhapsy's VBBtFileCreateOpen on a 256 KB memory disk
# left with 16, 32, ... 160 KB free, and prints for each what the create returned, the
# names left beside the filler once the file is closed, whether it then opens, and what a
# create returns once the room is back. Needs root (it mounts the disk) and python3.
#
#     sudo tools/full_disk_record_create.sh [build/bin]
set -euo pipefail
bin="$(cd "${1:-build/bin}" && pwd)"
disk="$(mktemp -d /tmp/pemo-full-disk-XXXXXX)"
export XDG_CONFIG_HOME="$(mktemp -d /tmp/pemo-full-disk-config-XXXXXX)"
mount -t tmpfs -o size=256k tmpfs "$disk"
trap 'umount "$disk"; rmdir "$disk"; rm -rf "$XDG_CONFIG_HOME"' EXIT

python3 - "$bin/libhapsy.so" "$disk" <<'PY'
import ctypes, os, struct, sys
hapsy = ctypes.CDLL(sys.argv[1])
disk = sys.argv[2]
path = os.path.join(disk, "rec.dat").encode()
# One key: position 1, a string of 8 bytes, no duplicates; records of 32 bytes.
key = struct.pack("<iBi4xii", 1, ord("S"), 8, 0, 0)

def create():
    return hapsy.VBBtFileCreateOpen(path, 32, 0, 1, 1, key)

def left():
    return " ".join(sorted(n for n in os.listdir(disk) if n != "filler")) or "-"

print("free KB | create | left beside the filler | opens | create with room")
for free in range(16, 161, 16):
    with open(os.path.join(disk, "filler"), "wb") as filler:
        filler.write(b"f" * ((256 - free) * 1024))
    handle = create()
    if handle >= 0:
        hapsy.BtFileClose(handle)
    names = left()
    reopened = hapsy.BtFileOpen(path, 0) if os.path.exists(path) else -1
    if reopened >= 0:
        hapsy.BtFileClose(reopened)
    os.remove(os.path.join(disk, "filler"))
    for name in os.listdir(disk):
        os.remove(os.path.join(disk, name))
    again = create()
    hapsy.BtFileClose(again)
    for name in os.listdir(disk):
        os.remove(os.path.join(disk, name))
    print(f"{free:7} | {handle:6} | {names:22} | {'yes' if reopened >= 0 else 'no':5} | {again}")
PY
