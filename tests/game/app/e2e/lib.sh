# Shared steps of the game's end-to-end tests. Sourced by each test with
# the game program as $1.
set -euo pipefail

BRASK=$(realpath "$1")

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

[ -n "${DISPLAY:-}" ] || skip "needs an X display"
command -v xdotool >/dev/null || skip "needs xdotool"
command -v import >/dev/null || skip "needs ImageMagick"

WORK=$(mktemp -d /tmp/brask-e2e.XXXXXX)
# A fresh home: no saved placement of the user's.
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
mkdir -p "$HOME"
unset BRASK_QUIT_AFTER
GAME_PID=""
# Screenshots go here when BRASK_E2E_SHOTS names a folder.
SHOTS=${BRASK_E2E_SHOTS:-$WORK}

cleanup() {
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
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

# ramp_course END-TYPE END-ROW: 3 x 8 cells falling by 2 per row towards +y,
# the start in the middle of row 0 and a cell of END-TYPE in the middle of
# END-ROW; the ball rolls straight down into it.
ramp_course() {
  local end_type=$1 end_row=$2 x y type top bottom
  le32 3; le32 8
  for (( y = 0; y < 8; y++ )); do
    top=$(( 2 * (8 - y) )) bottom=$(( 2 * (7 - y) ))
    for (( x = 0; x < 3; x++ )); do
      type=$FLOOR
      (( x == 1 && y == 0 )) && type=$START
      (( x == 1 && y == end_row )) && type=$end_type
      cell "$type" "$top" "$top" "$bottom" "$bottom"
    done
  done
}

# flat_course W H: Floor at height 0 with the start in cell (1, 1).
flat_course() {
  local x y type
  le32 "$1"; le32 "$2"
  for (( y = 0; y < $2; y++ )); do
    for (( x = 0; x < $1; x++ )); do
      type=$FLOOR
      (( x == 1 && y == 1 )) && type=$START
      cell "$type" 0 0 0 0
    done
  done
}

# start_game ARGS...: starts Brask; sets GAME_PID.
start_game() {
  "$BRASK" "$@" >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
}

# wait_window NAME-REGEX: prints the id of the visible window so named.
wait_window() {
  local i id
  for (( i = 0; i < 150; i++ )); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window named \"$1\""
}

wait_no_window() {
  local i
  for (( i = 0; i < 100; i++ )); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" is still there"
}

# There is no window manager, so give a window the keyboard directly.
focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.3
}

keys() { xdotool key --delay 100 "$@"; sleep 0.3; }

# The game's main window once it animates (its title shows the frame
# rate): focuses it and sets MAIN and its geometry WIN_X, WIN_Y, WIN_W, WIN_H.
main_window() {
  MAIN=$(wait_window '^Brask \( [0-9]+ Frames/sec \)$')
  focus "$MAIN"
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# shot NAME: a screenshot of the main window, as $SHOTS/NAME.png.
shot() {
  import -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$SHOTS/$1.png"
}

# The end words' dark red, (0.5, 0.1, 0.1) of the full scale.
WORDS_RED='rgb(128,26,26)'

# words_pixels NAME: how many pixels of screenshot NAME are the words' red.
words_pixels() {
  local size different
  size=$(identify -format '%wx%h' "$SHOTS/$1.png")
  different=$(compare -metric AE -fuzz 3% "$SHOTS/$1.png" -size "$size" "xc:$WORDS_RED" null: 2>&1 || true)
  echo $(( ${size%x*} * ${size#*x} - ${different%%.*} ))
}

# The words cover thousands of pixels; a stray pixel or two is not them.
WORDS_MIN_PIXELS=500

# wait_words NAME: takes screenshots until the end words show (as NAME).
wait_words() {
  local i
  for (( i = 0; i < 40; i++ )); do
    shot "$1"
    (( $(words_pixels "$1") >= WORDS_MIN_PIXELS )) && return 0
    sleep 0.25
  done
  fail "no end words on screen (see $1.png)"
}

expect_no_words() {
  shot "$1"
  local n
  n=$(words_pixels "$1")
  (( n < WORDS_MIN_PIXELS )) || fail "$n pixels of the end words' red in $1.png"
}

# wait_exit: waits for the game to end and prints its exit status.
wait_exit() {
  local i
  for (( i = 0; i < 100; i++ )); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      local status=0
      wait "$GAME_PID" || status=$?
      GAME_PID=""
      echo "$status"
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end"
}

pointer() { xdotool getmouselocation | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\) .*/\1,\2/p'; }
