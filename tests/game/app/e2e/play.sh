#!/usr/bin/env bash
# A game as a player sees it: the frame rate in the title, the pointer put
# at (500, 380) on a load and by Space, the mouse pushing the ball into a
# hole and the end words coming, Ctrl+N taking them away, and Escape ending
# the program, also on a course too big for the frame interval. Arguments:
# Brask, the benchmarks' course maker.
source "$(dirname "${BASH_SOURCE[0]}")/../../../e2e/lib.sh"
BRASK=$(realpath "$1")
MAKE_COURSE=$(realpath "$2")
pointer() { xdotool getmouselocation | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\) .*/\1,\2/p'; }
# play COURSE: starts the game on it and waits for a frame rate of 1 to 33 in the title.
play() {
  start game.log "$BRASK" "$1"
  MAIN=$(wait_window '^Brask \( ([1-9]|[12][0-9]|3[0-3]) Frames/sec \)$')
  focus "$MAIN"
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
}
# words: whether the end words show, in their dark red (0.5, 0.1, 0.1):
# they cover thousands of the window's pixels, a stray colour a few.
words() {
  import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$WORK/shot.png"
  local other
  other=$(compare -metric AE -fuzz 3% "$WORK/shot.png" -size "${WIDTH}x$HEIGHT" 'xc:rgb(128,26,26)' null: 2>&1) || true
  (( WIDTH * HEIGHT - ${other%%.*} >= 500 ))
}
wait_words() {
  for (( i = 0; i < 40; i++ )); do words && return 0 || sleep 0.25; done
  fail "no end words on screen"
}

step "the title shows 1 to 33 frames a second; the ball rests, then the mouse pushes it into a hole"
course 9 3 1,1=$START 6,1=$HOLE >"$WORK/hole.hfd"
play "$WORK/hole.hfd"
[ "$(pointer)" = "500,380" ] || fail "loading did not centre the pointer: $(pointer)"
! words || fail "end words while the ball rests"
xdotool mousemove_relative 60 0  # 1.2 cells a second towards +x
wait_words

step "Ctrl+N starts again; Space puts the pointer back at (500, 380)"
xdotool mousemove 500 380
keys ctrl+n
sleep 2
! words || fail "end words after Game > New"
xdotool mousemove 300 200
keys space
[ "$(pointer)" = "500,380" ] || fail "after Space the pointer is at $(pointer)"
keys Escape
expect_exit 0
quiet game.log

step "a course slower to draw than the frame interval still ends on Escape"
"$MAKE_COURSE" 512 rough "$WORK/big.hfd"
play "$WORK/big.hfd"
keys Escape
expect_exit 0
echo "PASS"
