#!/usr/bin/env bash
# A course file that ends early gets one message naming it. Opened through
# Game > Open... it leaves the running game as it was; named on the command
# line, the program ends after the message.
source "$(dirname "$0")/lib.sh"

# Says 6 x 6 cells, holds one and a half.
{ le32 6; le32 6; cell "$FLOOR" 0 0 0 0; le16 1; le16 9; } >"$WORK/broken.hfd"
flat_course 8 8 >"$WORK/flat.hfd"

step "Game > Open... of a broken course: a message, and the game goes on"
start_game "$WORK/flat.hfd"
main_window
sleep 3
shot before
open_through_dialog "$WORK/broken.hfd"
MESSAGE=$(wait_window '^Brask$')
import -window root "$SHOTS/open_message.png"
focus "$MESSAGE"
keys Return
wait_no_window '^Brask$'
wait_no_window '^Open$'
focus "$MAIN"
sleep 0.5
xdotool getwindowname "$MAIN" | grep -Eq '^Brask \( [0-9]+ Frames/sec \)$' || fail "the game stopped animating"
shot after
# The same course from the same camera: only the spinning ball differs.
differing=$(compare -metric AE -fuzz 2% "$SHOTS/before.png" "$SHOTS/after.png" null: 2>&1 || true)
(( ${differing%%.*} < 3000 )) || fail "$differing pixels changed (before.png, after.png)"
expect_no_words after
keys Escape
wait_exit

step "a broken course on the command line: the message, then the program ends"
start_game "$WORK/broken.hfd"
MESSAGE=$(wait_window '^Brask$')
import -window root "$SHOTS/command_line_message.png"
xdotool search --onlyvisible --name '^Brask \(' >/dev/null 2>&1 && fail "the main window came up"
focus "$MESSAGE"
keys Return
wait_exit
[ "$EXIT_STATUS" != 0 ] || fail "the program ended with status 0"
grep -q . "$WORK/game.log" && { cat "$WORK/game.log"; fail "the program wrote to its terminal"; }
echo "PASS"
