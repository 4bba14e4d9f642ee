#!/usr/bin/env bash
# A course made in the editor opens and plays in the game: a new 4 x 3
# course with a start and a finish cell, saved through Save As, starts the
# game's animation (the frame rate shows in its title).
source "$(dirname "$0")/lib.sh"
BRASK=$(realpath "$3")

step "New Heightfield 4 x 3"
start_editor
DIALOG=$(wait_window '^New Heightfield$')
focus "$DIALOG"
keys ctrl+a 4 Tab ctrl+a 3 Return
main_window

step "course cell (0, 0) becomes the start, (3, 2) the finish"
drag 10 110 10 110
keys 3
drag 160 10 160 10
keys 4

step "save it as course.hfd"
keys ctrl+s
SAVE=$(wait_window '^Save As$')
focus "$SAVE"
keys ctrl+a
xdotool type --delay 30 "$WORK/course.hfd"
keys Return
{
  le32 4; le32 3
  cell 3 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0
  cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0
  cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0; cell 4 0 0 0 0
} >"$WORK/expected.hfd"
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"
close_window "$MAIN"
wait_exit

step "the game opens it and plays"
BRASK_QUIT_AFTER=4 start_program game.log "$BRASK" "$WORK/course.hfd"
wait_window 'Frames/sec' >/dev/null
wait_exit
[ "$EXIT_STATUS" = 0 ] || { cat "$WORK/game.log"; fail "the game ended with status $EXIT_STATUS"; }
echo "PASS"
