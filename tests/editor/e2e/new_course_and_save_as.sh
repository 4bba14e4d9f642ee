#!/usr/bin/env bash
# Without a file the "New Heightfield" dialog comes first: Cancel there ends
# the program; 3 x 2 makes a course of six Floor cells, which Ctrl+S saves
# through the Save As dialog, adding the extension to a bare name.
source "$(dirname "$0")/lib.sh"

step "Cancel in the first dialog ends the editor without a main window"
start_editor
DIALOG=$(wait_window '^New Heightfield$')
focus "$DIALOG"
keys Escape
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after Cancel"

step "a negative size is refused and the dialog stays open"
start_editor
DIALOG=$(wait_window '^New Heightfield$')
focus "$DIALOG"
keys ctrl+a
xdotool type --delay 50 -- "-3"
keys Tab ctrl+a 2 Return
# The refusal is a message box of the same title over the dialog.
for (( i = 0; i < 50; i++ )); do
  [ "$(xdotool search --onlyvisible --name '^New Heightfield$' | wc -l)" -ge 2 ] && break
  sleep 0.1
done
[ "$i" -lt 50 ] || fail "no refusal message over the dialog"
keys Return
sleep 0.3
xdotool search --onlyvisible --name ' - Braskit$' >/dev/null 2>&1 && fail "the main window opened on a refused size"

step "3 x 2 opens the main window on an untitled course"
DIALOG=$(wait_window '^New Heightfield$')
focus "$DIALOG"
keys shift+Tab ctrl+a 3 Tab ctrl+a 2 Return
main_window
expect_title "$MAIN" "Untitled - Braskit"
expect_pixel 9 9 "0,0,0" "height 0"

step "Ctrl+S asks for a name; a bare name gets .hfd"
keys ctrl+s
SAVE=$(wait_window '^Save As$')
focus "$SAVE"
keys ctrl+a
xdotool type --delay 30 "$WORK/made"
keys Return
floor_course 3 2 >"$WORK/expected.hfd"
wait_file_equals "$WORK/made.hfd" "$WORK/expected.hfd"
expect_title "$MAIN" "made.hfd - Braskit"
[ "$(stat -c %s "$WORK/made.hfd")" = 68 ] || fail "a 3 x 2 course is not 68 bytes"
echo "PASS"
