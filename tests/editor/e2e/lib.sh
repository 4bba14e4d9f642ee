# Shared steps of the editor's end-to-end tests. Sourced by each test with
# the editor program as $1 and the close-request helper as $2.
set -euo pipefail

BRASKIT=$(realpath "$1")
SEND_CLOSE=$(realpath "$2")

# The first-start client size of the main window (MainFrame.cpp).
FIRST_CLIENT_HEIGHT=480

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

[ -n "${DISPLAY:-}" ] || skip "needs an X display"
command -v xdotool >/dev/null || skip "needs xdotool"
command -v import >/dev/null || skip "needs ImageMagick"

WORK=$(mktemp -d /tmp/braskit-e2e.XXXXXX)
# A fresh home: no saved placement, no recent files of the user's.
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
mkdir -p "$HOME"
EDITOR_PID=""

cleanup() {
  if [ -n "$EDITOR_PID" ] && kill -0 "$EDITOR_PID" 2>/dev/null; then
    kill "$EDITOR_PID" 2>/dev/null || true
    wait "$EDITOR_PID" 2>/dev/null || true
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
# cell TYPE C0 C1 C2 C3
cell() { le16 "$1"; le16 "$2"; le16 "$3"; le16 "$4"; le16 "$5"; }
# floor_course W H: a course of Floor cells at height 0.
floor_course() {
  le32 "$1"; le32 "$2"
  local i
  for (( i = 0; i < $1 * $2; i++ )); do cell 1 0 0 0 0; done
}

# start_editor ARGS...: starts Braskit; sets EDITOR_PID.
start_editor() {
  "$BRASKIT" "$@" >"$WORK/editor.log" 2>&1 &
  EDITOR_PID=$!
}

# wait_window NAME-REGEX: prints the id of the visible window so named.
wait_window() {
  local i id
  for (( i = 0; i < 100; i++ )); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$EDITOR_PID" 2>/dev/null || fail "the editor ended while waiting for \"$1\""
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

# main_window: waits for the main window, focuses it and sets MAIN, WIN_X,
# WIN_Y and VIEW_TOP (the screen y of the view's first pixel row).
main_window() {
  MAIN=$(wait_window ' - Braskit$')
  sleep 0.5
  focus "$MAIN"
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  WIN_X=$X
  WIN_Y=$Y
  # The menu bar takes what the first-start client area leaves.
  VIEW_TOP=$(( Y + HEIGHT - FIRST_CLIENT_HEIGHT ))
}

# drag X1 Y1 X2 Y2: a left-button drag in view pixels.
drag() {
  xdotool mousemove $(( WIN_X + $1 )) $(( VIEW_TOP + $2 ))
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mousemove $(( WIN_X + $3 )) $(( VIEW_TOP + $4 ))
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}

keys() { xdotool key --delay 100 "$@"; sleep 0.3; }

# pixel X Y: the colour on screen at view pixel (X, Y), as "R,G,B".
pixel() {
  import -window root -crop "1x1+$(( WIN_X + $1 ))+$(( VIEW_TOP + $2 ))" -depth 8 txt:- \
    | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}

expect_pixel() {
  local got
  got=$(pixel "$1" "$2")
  [ "$got" = "$3" ] || fail "view pixel ($1, $2) is $got, expected $3${4:+ ($4)}"
}

# wait_file_equals FILE EXPECTED-FILE
wait_file_equals() {
  local i
  for (( i = 0; i < 50; i++ )); do
    cmp -s "$1" "$2" && return 0
    sleep 0.1
  done
  echo "saved:    $(od -An -tx1 "$1" | tr -s ' \n' ' ')" >&2
  echo "expected: $(od -An -tx1 "$2" | tr -s ' \n' ' ')" >&2
  fail "$1 does not hold the expected bytes"
}

# wait_exit: waits for the editor (or game) to end; its exit status is
# left in EXIT_STATUS. Not for command substitution: only this shell can
# collect the status of its own child.
wait_exit() {
  local i
  for (( i = 0; i < 100; i++ )); do
    if ! kill -0 "$EDITOR_PID" 2>/dev/null; then
      EXIT_STATUS=0
      wait "$EDITOR_PID" || EXIT_STATUS=$?
      EDITOR_PID=""
      return 0
    fi
    sleep 0.1
  done
  fail "the program did not end"
}

close_window() { "$SEND_CLOSE" "$1"; sleep 0.3; }

window_name() { xdotool getwindowname "$1"; }

expect_title() {
  local i name
  for (( i = 0; i < 30; i++ )); do
    name=$(window_name "$1")
    [ "$name" = "$2" ] && return 0
    sleep 0.1
  done
  fail "title is \"$name\", expected \"$2\""
}
