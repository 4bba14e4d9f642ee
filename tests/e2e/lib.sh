# Steps shared by the end-to-end tests of both programs. Sourced by each
# program's own lib.sh with a short name for the work folder as $1.
set -euo pipefail

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

[ -n "${DISPLAY:-}" ] || skip "needs an X display"
command -v xdotool >/dev/null || skip "needs xdotool"
command -v import >/dev/null || skip "needs ImageMagick"

WORK=$(mktemp -d "/tmp/$1-e2e.XXXXXX")
# A fresh home: no saved placement, no recent files of the user's.
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
mkdir -p "$HOME"
# The program under test, once started.
PROGRAM_PID=""

cleanup() {
  if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT

# Little-endian integers and course cells, written as bytes.
le16() {
  local v=$1
  (( v < 0 )) && v=$(( v + 65536 ))
  printf "\\x$(printf %02x $(( v & 255 )))\\x$(printf %02x $(( (v >> 8) & 255 )))"
}
le32() {
  local v=$1
  (( v < 0 )) && v=$(( v + 4294967296 ))
  printf "\\x$(printf %02x $(( v & 255 )))\\x$(printf %02x $(( (v >> 8) & 255 )))"
  printf "\\x$(printf %02x $(( (v >> 16) & 255 )))\\x$(printf %02x $(( (v >> 24) & 255 )))"
}
# Cell types.
FLOOR=1 HOLE=2 START=3 FINISH=4
# cell TYPE C0 C1 C2 C3 (corners counter-clockwise from the cell's (x, y))
cell() { le16 "$1"; le16 "$2"; le16 "$3"; le16 "$4"; le16 "$5"; }

# make_bad_courses: the files that look like courses and are not, in $WORK:
# empty, seven-bytes, header-only, negative-width, negative-height, huge,
# huge-row (.hfd each) and a folder named folder.hfd.
make_bad_courses() {
  : >"$WORK/empty.hfd"
  printf '\x03\x00\x00\x00\x02\x00\x00' >"$WORK/seven-bytes.hfd"
  { le32 3; le32 3; } >"$WORK/header-only.hfd"
  { le32 -1; le32 5; cell "$FLOOR" 0 0 0 0; } >"$WORK/negative-width.hfd"
  { le32 5; le32 -1; cell "$FLOOR" 0 0 0 0; } >"$WORK/negative-height.hfd"
  # The sizes alone ask for 46 exabytes, or 21 GB: they must be refused
  # before anything is allocated.
  { le32 2147483647; le32 2147483647; cell "$FLOOR" 0 0 0 0; } >"$WORK/huge.hfd"
  { le32 2147483647; le32 1; cell "$FLOOR" 0 0 0 0; } >"$WORK/huge-row.hfd"
  mkdir "$WORK/folder.hfd"
}

# start_program LOG PROGRAM ARGS...: starts PROGRAM with its output in
# $WORK/LOG; sets PROGRAM_PID.
start_program() {
  local log=$1 program=$2
  shift 2
  "$program" "$@" >"$WORK/$log" 2>&1 &
  PROGRAM_PID=$!
}

# wait_window NAME-REGEX: prints the id of the visible window so named.
wait_window() {
  local i id
  for (( i = 0; i < 150; i++ )); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window named \"$1\""
}

# wait_no_window NAME-REGEX
wait_no_window() {
  local i
  for (( i = 0; i < 100; i++ )); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" is still there"
}

# focus WINDOW: there is no window manager, so give it the keyboard directly.
focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.3
}

keys() { xdotool key --delay 100 "$@"; sleep 0.3; }

# open_through_dialog FILE: Ctrl+O, then FILE typed into the Open dialog.
open_through_dialog() {
  local dialog
  keys ctrl+o
  dialog=$(wait_window '^Open$')
  focus "$dialog"
  keys ctrl+l
  xdotool type --delay 30 "$1"
  keys Return
}

# wait_exit: waits for the program to end; its exit status is left in
# EXIT_STATUS. Not for command substitution: only this shell can collect
# the status of its own child.
wait_exit() {
  local i
  for (( i = 0; i < 100; i++ )); do
    if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
      EXIT_STATUS=0
      wait "$PROGRAM_PID" || EXIT_STATUS=$?
      PROGRAM_PID=""
      return 0
    fi
    sleep 0.1
  done
  fail "the program did not end"
}
