#!/usr/bin/env bash
# While a game runs the title shows the frame rate, at most 33 a second;
# Space puts the pointer back at screen point (500, 380); Escape ends the
# program.
source "$(dirname "$0")/lib.sh"

flat_course 40 40 >"$WORK/flat.hfd"

step "the title reads \"Brask ( N Frames/sec )\" with N from 1 to 33"
start_game "$WORK/flat.hfd"
main_window
[ "$(pointer)" = "500,380" ] || fail "loading did not centre the pointer: $(pointer)"
for (( i = 0; i < 10; i++ )); do
  title=$(xdotool getwindowname "$MAIN")
  [[ "$title" =~ ^Brask\ \(\ ([0-9]+)\ Frames/sec\ \)$ ]] || fail "title \"$title\""
  rate=${BASH_REMATCH[1]}
  (( rate >= 1 && rate <= 33 )) || fail "title shows $rate frames a second"
  sleep 0.2
done

step "Space puts the pointer at (500, 380)"
xdotool mousemove 300 200
sleep 0.3
[ "$(pointer)" = "300,200" ] || fail "the pointer did not move: $(pointer)"
focus "$MAIN"
keys space
[ "$(pointer)" = "500,380" ] || fail "after Space the pointer is at $(pointer)"

step "Escape ends the program"
keys Escape
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "the game did not end cleanly"

step "without a course: the plain title, a still black scene, and Escape ends it too"
start_game
WINDOW=$(wait_window '^Brask$')
focus "$WINDOW"
sleep 1
[ "$(xdotool getwindowname "$WINDOW")" = "Brask" ] || fail "the title changed without a game"
keys Escape
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "the game did not end cleanly"
echo "PASS"
