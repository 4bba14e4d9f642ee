#!/usr/bin/env bash
# Holding keypad + raises a corner by 4 once, not once per auto-repeat.
source "$(dirname "$0")/lib.sh"

floor_course 3 2 >"$WORK/course.hfd"
start_editor "$WORK/course.hfd"
main_window

step "click the top-left corner of the top-left cell: corner[3] of course cell (0, 1)"
drag 10 10 10 10

step "hold keypad + for a second, then press it again while still held"
xdotool keydown KP_Add
sleep 1.2
xdotool keydown KP_Add
sleep 0.2
xdotool keyup KP_Add
sleep 0.3
expect_pixel 9 9 "100,0,100" "height 4"

step "a second, separate press adds 4 more"
keys KP_Add
expect_pixel 9 9 "200,0,200" "height 8"

keys ctrl+s
{
  le32 3; le32 2
  cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0
  cell 1 0 0 0 8; cell 1 0 0 0 0; cell 1 0 0 0 0
} >"$WORK/expected.hfd"
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"
echo "PASS"
