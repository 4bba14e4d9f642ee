#!/usr/bin/env bash
# Closing the window after an edit asks whether to save: Cancel keeps the
# editor open with nothing written, Don't Save drops the edit, Save writes it.
source "$(dirname "$0")/lib.sh"

floor_course 3 2 >"$WORK/course.hfd"
cp "$WORK/course.hfd" "$WORK/original.hfd"
{
  le32 3; le32 2
  cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0
  cell 1 0 0 0 4; cell 1 0 0 0 0; cell 1 0 0 0 0
} >"$WORK/edited.hfd"

edit_and_close() {
  start_editor "$WORK/course.hfd"
  main_window
  drag 10 10 10 10
  keys KP_Add
  expect_title "$MAIN" "*course.hfd - Braskit"
  close_window "$MAIN"
  QUESTION=$(wait_window '^Braskit$')
  focus "$QUESTION"
}

step "edit, close: the question comes; Cancel keeps the editor and the file"
edit_and_close
import -window root "${BRASKIT_E2E_SHOTS:-$WORK}/question.png"
keys Escape
wait_no_window '^Braskit$'
kill -0 "$PROGRAM_PID" || fail "the editor ended after Cancel"
cmp -s "$WORK/course.hfd" "$WORK/original.hfd" || fail "Cancel wrote the file"

step "close again, Don't Save: the editor ends and the file is as it was"
close_window "$MAIN"
QUESTION=$(wait_window '^Braskit$')
focus "$QUESTION"
keys alt+n
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
cmp -s "$WORK/course.hfd" "$WORK/original.hfd" || fail "Don't Save wrote the file"

step "edit, close, Save: the edit is written and the editor ends"
edit_and_close
keys alt+s
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
wait_file_equals "$WORK/course.hfd" "$WORK/edited.hfd"

step "File > Exit asks the same question"
start_editor "$WORK/course.hfd"
main_window
drag 10 10 10 10
keys KP_Add
keys alt+f
sleep 0.3
keys x
QUESTION=$(wait_window '^Braskit$')
focus "$QUESTION"
keys Escape
wait_no_window '^Braskit$'
kill -0 "$PROGRAM_PID" || fail "the editor ended after Cancel on Exit"
echo "PASS"
