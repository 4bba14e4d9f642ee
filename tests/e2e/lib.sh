# Steps shared by the end-to-end tests of both programs, which start the
# real programs under the test display and drive them with xdotool.
set -euo pipefail
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }
[ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null && command -v import >/dev/null || skip "needs a display"

WORK=$(mktemp -d /tmp/brask-e2e.XXXXXX)
# A fresh home: no saved placement, no recent files, courses or records of the user's.
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_STATE_HOME="$WORK/home/.local/state"
mkdir -p "$HOME"
PROGRAM_PID=""
cleanup() {
  [ -z "$PROGRAM_PID" ] || { kill "$PROGRAM_PID" && wait "$PROGRAM_PID"; } 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# Course files: little-endian integers; `cell TYPE C0 C1 C2 C3`.
le16() { printf "\\x$(printf %02x $(( $1 & 255 )))\\x$(printf %02x $(( ($1 >> 8) & 255 )))"; }
le32() { le16 $(( $1 & 65535 )); le16 $(( ($1 >> 16) & 65535 )); }
cell() { le16 "$1"; le16 "$2"; le16 "$3"; le16 "$4"; le16 "$5"; }
FLOOR=1 HOLE=2 START=3 FINISH=4
# course W H [X,Y=TYPE...]: flat Floor at height 0, with the cells named.
course() {
  local w=$1 h=$2 x y type named
  le32 "$w"; le32 "$h"
  for (( y = 0; y < h; y++ )); do
    for (( x = 0; x < w; x++ )); do
      type=$FLOOR
      for named in "${@:3}"; do [ "${named%=*}" = "$x,$y" ] && type=${named#*=}; done
      cell "$type" 0 0 0 0
    done
  done
}

# start LOG PROGRAM ARGS...: starts PROGRAM, its output in $WORK/LOG. A sanitized editor
# unwinds allocations fully, so that a leak on a file dialog's thread names its function.
start() {
  local env=()
  [[ -z ${ASAN_OPTIONS:-} || $2 != *Braskit ]] || env=(env "ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0")
  "${env[@]}" "${@:2}" >"$WORK/$1" 2>&1 & PROGRAM_PID=$!
}
# wait_window NAME-REGEX [NOT-ID]: the id of a visible window so named (other
# than NOT-ID), waiting for it while the program runs.
wait_window() {
  local i id
  for (( i = 0; i < 150; i++ )); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null || true); do
      [ "$id" != "${2:-}" ] && { echo "$id"; return 0; }
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window named \"$1\""
}
wait_no_window() {
  local i
  for (( i = 0; i < 100; i++ )); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && sleep 0.1 || return 0
  done
  fail "window \"$1\" is still there"
}
# There is no window manager: windows get the keyboard directly.
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.3; }
keys() { xdotool key --delay 100 "$@"; sleep 0.3; }
# answer NAME-REGEX KEY [NOT-ID]: the key pressed in the dialog so named.
answer() { focus "$(wait_window "$1" "${3:-}")"; keys "$2"; }
open_through_dialog() { keys ctrl+o; answer '^Open$' ctrl+l; xdotool type --delay 30 "$1"; keys Return; }
save_as() { keys ctrl+s; answer '^Save As$' ctrl+a; xdotool type --delay 30 "$1"; keys Return; }

# wait_exit: leaves the program's status in EXIT_STATUS once it ended (not for
# command substitution: only this shell can collect it).
wait_exit() {
  local i
  for (( i = 0; i < 100; i++ )); do kill -0 "$PROGRAM_PID" 2>/dev/null && sleep 0.1 || break; done
  kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program did not end"
  EXIT_STATUS=0
  wait "$PROGRAM_PID" || EXIT_STATUS=$?
  PROGRAM_PID=""
}
expect_exit() { wait_exit; [ "$EXIT_STATUS" = "$1" ] || fail "exit status $EXIT_STATUS, not $1"; }
quiet() { ! grep -q . "$WORK/$1" || { cat "$WORK/$1"; fail "the program wrote to its terminal"; }; }
expect_title() {
  local i
  for (( i = 0; i < 30; i++ )); do [[ $(xdotool getwindowname "$1") =~ $2 ]] && return 0 || sleep 0.1; done
  fail "title is \"$(xdotool getwindowname "$1")\", not \"$2\""
}
wait_file_equals() {
  local i
  for (( i = 0; i < 50; i++ )); do cmp -s "$1" "$2" && return 0 || sleep 0.1; done
  fail "$1 holds $(od -An -tx1 "$1" | xargs), not $(od -An -tx1 "$2" | xargs)"
}

# editor_window TITLE-REGEX: the editor's main window, focused, as MAIN, and
# its view's first pixel row on screen as VIEW_TOP. The menu bar's height is
# read off the first window: the grid's top line is the first dark row.
MENU_HEIGHT=""
editor_window() {
  MAIN=$(wait_window "$1")
  sleep 0.5
  focus "$MAIN"
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  local i
  for (( i = 0; i < 30 && ${#MENU_HEIGHT} == 0; i++ )); do
    MENU_HEIGHT=$(import -window root -crop "1x$HEIGHT+$X+$Y" -depth 8 txt:- \
      | awk -F'[:,() ]+' 'NR > 1 && $3 < 32 && $4 < 32 && $5 < 32 && !row { row = $2 } END { print row }')
    [ -n "$MENU_HEIGHT" ] || sleep 0.1
  done
  [ -n "$MENU_HEIGHT" ] || fail "the editor's grid never showed"
  WIN_X=$X VIEW_TOP=$(( Y + MENU_HEIGHT ))
}
# drag X1 Y1 X2 Y2: a left-button drag in view pixels.
drag() {
  xdotool mousemove $(( WIN_X + $1 )) $(( VIEW_TOP + $2 )) sleep 0.1 mousedown 1 sleep 0.1 \
    mousemove $(( WIN_X + $3 )) $(( VIEW_TOP + $4 )) sleep 0.1 mouseup 1 sleep 0.3
}
# expect_pixel X Y R,G,B WHAT: the colour on screen at view pixel (X, Y).
expect_pixel() {
  local got
  got=$(import -window root -crop "1x1+$(( WIN_X + $1 ))+$(( VIEW_TOP + $2 ))" -depth 8 txt:- \
    | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1)
  [ "$got" = "$3" ] || fail "view pixel ($1, $2) is $got, not $3 ($4)"
}
