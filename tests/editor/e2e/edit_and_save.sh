#!/usr/bin/env bash
# Open a course from the command line, drag over corners, keypad +, a digit,
# Ctrl+S: the saved file holds exactly the edit.
source "$(dirname "$0")/lib.sh"

step "a 3 x 2 course of Floor cells at height 0"
floor_course 3 2 >"$WORK/course.hfd"

step "start the editor on it"
start_editor "$WORK/course.hfd"
main_window
expect_title "$MAIN" "course.hfd - Braskit"

step "drag from (10, 60) to (60, 90): the bottom row's left three half-cells, both halves"
drag 10 60 60 90
expect_pixel 1 75 "48,48,255" "outline's left side"
expect_pixel 40 100 "48,48,255" "outline's bottom side"

step "keypad + raises the six corners by 4; main-row 2 makes both cells holes"
keys KP_Add
expect_title "$MAIN" "*course.hfd - Braskit"
keys 2
# Height 4 is the colour (100, 0, 100); course cell (0, 0) is the bottom-left cell.
expect_pixel 9 92 "100,0,100" "corner[0] of cell (0, 0)"
expect_pixel 42 59 "100,0,100" "corner[2] of cell (0, 0)"
expect_pixel 59 59 "100,0,100" "corner[3] of cell (1, 0)"
expect_pixel 92 92 "0,0,0" "corner[1] of cell (1, 0) was not selected"

step "Ctrl+S saves"
keys ctrl+s
{
  le32 3; le32 2
  cell 2 4 4 4 4; cell 2 4 0 0 4; cell 1 0 0 0 0
  cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0
} >"$WORK/expected.hfd"
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"
expect_title "$MAIN" "course.hfd - Braskit"

step "closing a saved course asks nothing"
close_window "$MAIN"
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
echo "PASS"
