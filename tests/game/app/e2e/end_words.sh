#!/usr/bin/env bash
# A ramp into a finish shows "You did it!", a ramp into a hole "Game Over",
# both in the words' dark red; a flat course left alone shows neither.
source "$(dirname "$0")/lib.sh"

ramp_course "$FINISH" 6 >"$WORK/finish.hfd"
ramp_course "$HOLE" 5 >"$WORK/hole.hfd"
flat_course 8 8 >"$WORK/flat.hfd"

step "flat course, pointer still: the ball rests, no words"
start_game "$WORK/flat.hfd"
main_window
sleep 3
expect_no_words flat
keys Escape
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "Escape did not end the game cleanly"

step "ramp into a finish: the words come"
start_game "$WORK/finish.hfd"
main_window
wait_words finish
keys Escape
wait_exit

step "ramp into a hole: the game ends with words too"
start_game "$WORK/hole.hfd"
main_window
wait_words hole
keys Escape
wait_exit
echo "PASS"
