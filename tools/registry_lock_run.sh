#!/usr/bin/env bash
# Starts and closes pemo and pemoedit under a virtual X server while another program (the
# sqlite3 shell) holds registry.db, in write-ahead and in rollback mode, with BEGIN
# EXCLUSIVE and BEGIN IMMEDIATE, and prints the seconds each took to show its window and
# to end after 終了, and whether the places stored before are still there. Then two
# programs store their window places at once (tests/place_writer) while the sqlite3 shell
# reads them, and it prints how many of the places read were mixed from both. The
# programs and the writer come from the build whose bin folder is given. A screenshot of
# each program shown on a held registry goes to the folder given.
#
#     tools/registry_lock_run.sh [build/bin] [shots folder]
set -euo pipefail
source "$(dirname "$0")/xvfb_lib.sh" 130 "$@"

mkdir -p "$work/bin"
cp "$bin"/pemo "$bin"/pemoedit "$bin"/*.so "$work/bin/"
db="$XDG_CONFIG_HOME/pemo/registry.db"
# The writer of the same build as the programs: its tests folder lies beside bin.
writer="$(dirname "$bin")/tests/place_writer"
if [ ! -x "$writer" ]; then
  echo "NO WRITER: $writer is missing (build the place_writer target)"
  exit 1
fi

now() { date +%s.%N; }
seconds_since() { awk -v now="$(now)" -v start="$1" 'BEGIN { printf "%.2f", now - start }'; }

# The stored places, "Left,Top WidthxHeight" per window key, on one line.
stored_places() {
  sqlite3 -cmd ".timeout 0" "$db" "
    SELECT group_concat(name || ':' || place, '  ') FROM (
      SELECT name, group_concat(value, ',') AS place FROM (
        SELECT k.id AS id, k.name AS name, rtrim(CAST(v.data AS TEXT), char(0)) AS value
        FROM keys k JOIN reg_values v ON v.key = k.id
        WHERE v.fold IN ('LEFT', 'TOP', 'WIDTH', 'HEIGHT') ORDER BY k.id, v.seq)
      GROUP BY id ORDER BY id);" 2>&1
}

# hold SETUP BEGIN: the sqlite3 shell runs SETUP and BEGIN on registry.db and keeps the
# transaction open until release.
hold() {
  rm -f "$work/holder"
  mkfifo "$work/holder"
  sqlite3 "$db" <"$work/holder" >"$work/holder.log" 2>&1 &
  holder=$!
  exec 3>"$work/holder"
  echo "$1 $2;" >&3
  # Nobody else may open the file before the holder has run SETUP: changing the journal
  # mode needs the file to itself.
  sleep 0.5
  for _ in $(seq 50); do
    sqlite3 -cmd ".timeout 0" "$db" "BEGIN IMMEDIATE; ROLLBACK;" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "  THE LOCK WAS NOT TAKEN: $(cat "$work/holder.log")"
}
release() {
  echo "COMMIT;" >&3
  exec 3>&-
  wait "$holder" 2>/dev/null || true
}

# run_and_close PROGRAM TITLE MENU_KEY LABEL [ARGUMENT]: the seconds the program takes to
# show its window and to end after its menu's 終了(&X). With hold_at_close set, the sqlite3
# shell takes the registry (BEGIN EXCLUSIVE) only once the window is shown.
run_and_close() {
  local program="$1" title="$2" menu_key="$3" label="$4" argument="${5:-}" pid window started shown closing
  started=$(now)
  (cd "$work/menus" && exec "$work/bin/$program" $argument >>"$work/$program.log" 2>&1) &
  pid=$!
  # Looked for every 50 ms, for a minute at most.
  window=$(window_of $pid "$title" 1200 0.05) || true
  shown=$(seconds_since "$started")
  if [ -z "$window" ]; then
    echo "  $program: NO WINDOW after ${shown}s; its output:"
    grep -v XDG_RUNTIME_DIR "$work/$program.log" | tail -5 | sed 's/^/    /'
    stop $pid
    return
  fi
  sleep 1
  [ -n "$label" ] && shot "registry-lock-$label-$program" 0 >/dev/null
  [ -n "${hold_at_close:-}" ] && hold "" "BEGIN EXCLUSIVE"
  xdotool windowfocus "$window" 2>/dev/null || true
  sleep 0.3
  xdotool key "$menu_key"
  sleep 0.5
  closing=$(now)
  xdotool key x
  for _ in $(seq 1200); do kill -0 $pid 2>/dev/null || break; sleep 0.05; done
  if kill -0 $pid 2>/dev/null; then echo "  $program: STILL RUNNING after 60 s"; stop $pid; fi
  wait $pid 2>/dev/null || true
  [ -n "${hold_at_close:-}" ] && release
  printf '  %-8s shown after %5ss, ended %5ss after 終了\n' "$program" "$shown" "$(seconds_since "$closing")"
}

both_programs() {
  run_and_close pemo "Pemo ｻﾝﾌﾟﾙ" alt+m "$1" START.FIL
  run_and_close pemoedit PemoEdit alt+f "$1"
}

echo "registry free (places stored for the runs below):"
both_programs ""
before=$(stored_places)
echo "  stored: $before"

for mode in wal rollback; do
  for begin in "BEGIN EXCLUSIVE" "BEGIN IMMEDIATE"; do
    setup=""
    [ "$mode" = rollback ] && setup="PRAGMA journal_mode=DELETE;"
    echo "held by sqlite3 ($mode mode, $begin):"
    hold "$setup" "$begin"
    both_programs "$mode-${begin#BEGIN }"
    release
    after=$(stored_places)
    [ "$after" = "$before" ] && echo "  the places stored before are kept" || echo "  STORED PLACES CHANGED: $after"
  done
done

echo "held by sqlite3 (wal mode, BEGIN EXCLUSIVE) from after the start to after the close:"
hold_at_close=1 both_programs ""
after=$(stored_places)
[ "$after" = "$before" ] && echo "  the places stored before are kept" || echo "  STORED PLACES CHANGED: $after"

echo "registry free again:"
both_programs ""

echo "two programs storing their places at once, read meanwhile:"
key='.Default\Software\Kalvo\PlaceRun'
"$writer" "$key" 100 2000 &
first=$!
"$writer" "$key" 200 2000 &
second=$!
python3 - "$db" $first $second <<'READER'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1], timeout=5)
writers = [int(pid) for pid in sys.argv[2:]]
def running(pid):
    try:
        return open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False
reads = mixed = 0
while any(running(pid) for pid in writers):
    values = [row[0] for row in db.execute(
        "SELECT rtrim(CAST(v.data AS TEXT), char(0)) FROM keys k JOIN reg_values v ON v.key = k.id"
        " WHERE k.name = 'PlaceRun' AND v.fold IN ('LEFT', 'TOP', 'WIDTH', 'HEIGHT')")]
    if len(values) < 4:
        continue
    reads += 1
    mixed += len(set(values)) != 1
print(f"  {mixed} of {reads} places read were mixed from both")
READER
wait $first && wait $second && echo "  both stored their places 2000 times" || echo "  A WRITER FAILED"
echo "screenshots in $shots"
