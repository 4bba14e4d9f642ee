# Steps of the game's end-to-end tests. Sourced by each test with the game
# program as $1.
source "$(dirname "${BASH_SOURCE[0]}")/../../../e2e/lib.sh" brask

BRASK=$(realpath "$1")
unset BRASK_QUIT_AFTER
# Screenshots go here when BRASK_E2E_SHOTS names a folder.
SHOTS=${BRASK_E2E_SHOTS:-$WORK}

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

# start_game ARGS...: starts Brask; sets PROGRAM_PID.
start_game() { start_program game.log "$BRASK" "$@"; }

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

pointer() { xdotool getmouselocation | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\) .*/\1,\2/p'; }
