#!/usr/bin/env bash
# The user folder's lists far larger than any real one: `pemo` starts on the samples
# with a sparse PEMORUN.DAT (or favourites file) of each size and is closed from its
# menu as soon as its window shows. Prints for every run the seconds to the window, the
# seconds to the end, the peak resident memory, how the run ended and whether the file
# is as it was (size, inode and change time). A run is capped at 4 GB of address space
# and stopped after 30 s, so that the machine keeps its memory.
#
#     tools/xvfb_huge_lists.sh [build/bin]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 146 "${1:-}" "${TMPDIR:-/tmp}"

mkdir -p "$work/bin/PemoUser"
cp "$bin"/pemo "$bin"/*.so "$work/bin/"
run_list="$work/bin/PemoUser/PEMORUN.DAT"
favourites="$work/bin/PemoUser/Pemo ｻﾝﾌﾟﾙ.USER"
title='Pemo ｻﾝﾌﾟﾙ'

# huge FILE SIZE START: a sparse file of that size beginning with START in code page 932.
huge() {
  printf "$3" | iconv -f UTF-8 -t CP932 >"$1"
  truncate -s "$2" "$1"
}

# measure LABEL FILE: one start and close, and the file's state before and after.
measure() {
  local label="$1" file="$2" before after shown="-" start pemo_pid window status
  before=$(stat -c '%s %i %Z' "$file")
  start=$(date +%s.%N)
  (cd "$work/menus" &&
    exec /usr/bin/time -f '%e %M' -o "$work/time" prlimit --as=4294967296 -- timeout -s KILL 30 \
      "$work/bin/pemo" START.FIL >"$work/pemo.log" 2>&1) &
  pemo_pid=$!
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) && [ -n "$window" ] && break
    kill -0 "$pemo_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -n "$window" ]; then
    shown=$(printf '%.1f s' "$(echo "$(date +%s.%N) - $start" | bc)")
    sleep 0.3
    keys_to "$window" alt+m x
  fi
  status=0
  wait "$pemo_pid" || status=$?
  # time puts a line about a signal or a status before its figures.
  read -r seconds kilobytes < <(tail -1 "$work/time") || true
  case "$status" in
    0) status="ended" ;;
    137) status="KILLED at 30 s" ;;
    *) status="EXIT $status" ;;
  esac
  after=$(stat -c '%s %i %Z' "$file" 2>/dev/null || echo gone)
  [ "$before" = "$after" ] && after="file as it was" || after="FILE CHANGED ($before -> $after)"
  printf '  %-28s window %-7s end %6.1f s %7.0f MB  %-15s %s\n' "$label" "$shown" "${seconds:-0}" \
    "$(echo "${kilobytes:-0} / 1024" | bc)" "$status" "$after"
  grep -h "message\|bad_alloc\|what()" "$work/pemo.log" | sed 's/^/      /' | head -3 || true
}

echo "PEMORUN.DAT:"
for size in 100M 400M 2G 1T; do
  huge "$run_list" "$size" '[APP]\r\nApp0=shared,xclock\r\n'
  measure "$size" "$run_list"
  rm -f "$run_list"
done
echo "favourites file:"
for size in 2G 1T; do
  huge "$favourites" "$size" '[よく使うﾒﾆｭｰ]\r\nUser0=ｻﾌﾞﾒﾆｭｰ1,SUB1.FIL\r\n'
  measure "$size" "$favourites"
  rm -f "$favourites"
done
