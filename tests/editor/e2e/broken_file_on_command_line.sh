#!/usr/bin/env bash
# A course that cannot be opened gets one message naming it, and loses
# nothing: at start-up the editor goes on as if started without a file, and
# File > Open of a broken file leaves the open course and its edits.
source "$(dirname "$0")/lib.sh"

printf '\x03\x00\x00\x00\x02\x00\x00\x00\x01\x00' >"$WORK/broken.hfd"
floor_course 3 2 >"$WORK/good.hfd"

step "start on a broken course: one message, then the New Heightfield dialog"
start_editor "$WORK/broken.hfd"
MESSAGE=$(wait_window '^Braskit$')
import -window root "${BRASKIT_E2E_SHOTS:-$WORK}/broken.png"
focus "$MESSAGE"
keys Return
DIALOG=$(wait_window '^New Heightfield$')
xdotool search --onlyvisible --name '^Braskit$' >/dev/null 2>&1 && fail "a second message came"
focus "$DIALOG"
keys Escape
wait_exit

step "File > Open of a broken course keeps the edited course"
start_editor "$WORK/good.hfd"
main_window
drag 10 10 10 10
keys KP_Add
open_through_dialog "$WORK/broken.hfd"
QUESTION=$(wait_window '^Braskit$')
focus "$QUESTION"
keys alt+n
sleep 0.5
MESSAGE=$(wait_window '^Braskit$')
focus "$MESSAGE"
keys Return
wait_no_window '^Braskit$'
expect_title "$MAIN" "*good.hfd - Braskit"
expect_pixel 9 9 "100,0,100" "the edit is still there"
echo "PASS"
