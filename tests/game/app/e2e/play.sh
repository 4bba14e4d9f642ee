#!/usr/bin/env bash
# A game as a player sees it: the frame rate in the title, the pointer put
# at (500, 380) on a load and by Space, the mouse pushing the ball into a
# hole and the end words coming, Ctrl+N taking them away, and Escape ending
# the program; --continue, Game > Courses, a win's record, Next Course and P.
# Argument: Brask.
source "$(dirname "${BASH_SOURCE[0]}")/../../../e2e/lib.sh"
BRASK=$(realpath "$1")
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

# The course open is the last one the settings remember.
last_course() { sed -n 's/^LastCourse=//p' "$XDG_CONFIG_HOME/Brask/Brask.conf" 2>/dev/null || true; }
wait_course() {
  for (( i = 0; i < 50; i++ )); do [ "$(last_course)" = "$1" ] && return 0 || sleep 0.1; done
  fail "the course open is \"$(last_course)\", not \"$1\""
}
# still: two shots of the window a second apart are alike.
still() {
  import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$WORK/a.png"; sleep 1
  import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$WORK/b.png"
  [ "$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 || true)" = 0 ]
}
OWN=$XDG_DATA_HOME/brask/courses
mkdir -p "$OWN"
# a-ramp: six cells down towards +x, from a start to a finish; b-flat: a start to rest on, where
# a-ramp ends, so that the camera soon stands still.
{ le32 6; le32 1; for x in 0 1 2 3 4 5; do
  high=$(( 24 - 4 * x )) low=$(( 20 - 4 * x ))
  cell $(( x == 0 ? START : x == 5 ? FINISH : FLOOR )) $high $low $low $high
done; } >"$OWN/a-ramp.hfd"
course 6 1 5,0=$START >"$OWN/b-flat.hfd"

step "--continue without a course last played starts on the first installed course"
rm "$XDG_CONFIG_HOME/Brask/Brask.conf"
play --continue
cmp -s "$(last_course)" courses/01-first-roll.hfd || fail "the course open is \"$(last_course)\""

step "Game > Courses lists the five installed courses, then the player's: the sixth is a-ramp"
keys alt+g c Down Down Down Down Down Return
wait_course "$OWN/a-ramp.hfd"
wait_words
for (( i = 0; i < 50; i++ )); do [ -s "$XDG_STATE_HOME/brask/best-times" ] && break || sleep 0.1; done
record=$(cat "$XDG_STATE_HOME/brask/best-times")
[[ $record =~ ^"brask best times 1"$'\n'[0-9a-f]+-[0-9]+\ [1-9][0-9]*$ ]] || fail "the record reads \"$record\""

step "Next Course (N) opens b-flat; its ball spins until P pauses the game"
keys n
wait_course "$OWN/b-flat.hfd"
! still || fail "the ball does not spin"
keys p
for (( i = 0; i < 8; i++ )); do still && break; done
(( i < 8 )) || fail "the paused game still moves"
keys Escape
expect_exit 0

step "--continue starts on the course last played"
play --continue
[ "$(last_course)" = "$OWN/b-flat.hfd" ] || fail "the course open is \"$(last_course)\""
keys Escape
expect_exit 0
quiet game.log
echo "PASS"
