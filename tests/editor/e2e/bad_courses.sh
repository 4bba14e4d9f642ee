#!/usr/bin/env bash
# Course files that are not courses, table-driven. Named on the command line
# each gives one message, then the "New Heightfield" dialog; Cancel there
# ends the editor with status 1, since the named file was never opened.
# Opened through File > Open... they leave the open course, its unsaved
# edit and its modified mark, and Save then writes that course. A 0 x 0
# course is not saved: its empty file could not be opened again.
source "$(dirname "$0")/lib.sh"

step "the bad files"
make_bad_courses
floor_course 3 2 >"$WORK/course.hfd"

for name in empty seven-bytes header-only negative-width negative-height huge huge-row folder missing; do
  step "$name.hfd on the command line: a message, the dialog, Cancel, status 1"
  start_editor "$WORK/$name.hfd"
  MESSAGE=$(wait_window '^Braskit$')
  focus "$MESSAGE"
  keys Return
  DIALOG=$(wait_window '^New Heightfield$')
  xdotool search --onlyvisible --name '^Braskit$' >/dev/null 2>&1 && fail "a second message came"
  focus "$DIALOG"
  keys Escape
  wait_exit
  [ "$EXIT_STATUS" = 1 ] || fail "exit status $EXIT_STATUS"
done

step "File > Open... of bad files keeps the edited course"
start_editor "$WORK/course.hfd"
main_window
drag 10 10 10 10
keys KP_Add
for name in empty negative-width huge-row; do
  open_through_dialog "$WORK/$name.hfd"
  # Don't Save in the save question; the open then fails with a message.
  QUESTION=$(wait_window '^Braskit$')
  focus "$QUESTION"
  keys alt+n
  sleep 0.5
  MESSAGE=$(wait_window '^Braskit$')
  focus "$MESSAGE"
  keys Return
  wait_no_window '^Braskit$'
  expect_title "$MAIN" "*course.hfd - Braskit"
  expect_pixel 9 9 "100,0,100" "the edit is still there after $name.hfd"
done
step "Ctrl+S writes the edited course"
focus "$MAIN"
keys ctrl+s
{
  le32 3; le32 2
  cell "$FLOOR" 0 0 0 0; cell "$FLOOR" 0 0 0 0; cell "$FLOOR" 0 0 0 0
  cell "$FLOOR" 0 0 0 4; cell "$FLOOR" 0 0 0 0; cell "$FLOOR" 0 0 0 0
} >"$WORK/expected.hfd"
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"
expect_title "$MAIN" "course.hfd - Braskit"
close_window "$MAIN"
wait_exit

step "a 0 x 0 course: Save is refused and writes no file"
start_editor
DIALOG=$(wait_window '^New Heightfield$')
focus "$DIALOG"
# Both fields open at 0.
keys Return
main_window
keys ctrl+s
SAVE=$(wait_window '^Save As$')
focus "$SAVE"
keys ctrl+a
xdotool type --delay 30 "$WORK/nothing"
keys Return
MESSAGE=$(wait_window '^Braskit$')
focus "$MESSAGE"
keys Return
[ -e "$WORK/nothing.hfd" ] && fail "an empty course was saved as nothing.hfd"
expect_title "$MAIN" "Untitled - Braskit"
close_window "$MAIN"
wait_exit
echo "PASS"
