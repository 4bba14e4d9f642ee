#!/usr/bin/env bash
# Course files that are not courses, table-driven. Named on the command line
# each gives one message and the game ends with status 1 before its window
# shows; opened through Game > Open... the running game goes on as it was.
# Saving before any course was loaded is refused and writes no file.
source "$(dirname "$0")/lib.sh"

step "the bad files"
make_bad_courses
flat_course 8 8 >"$WORK/flat.hfd"

# message_window TITLE: the id of a visible window so named that is not the
# main window (the game's own title is "Brask" while no course is loaded).
message_window() {
  local i id
  for (( i = 0; i < 100; i++ )); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      [ "$id" != "${MAIN:-}" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  fail "no message \"$1\""
}

for name in empty seven-bytes header-only negative-width negative-height huge huge-row folder missing; do
  step "$name.hfd on the command line: one message, then status 1"
  start_game "$WORK/$name.hfd"
  MESSAGE=$(message_window '^Brask$')
  xdotool search --onlyvisible --name '^Brask \(' >/dev/null 2>&1 && fail "the main window came up"
  focus "$MESSAGE"
  keys Return
  wait_exit
  [ "$EXIT_STATUS" = 1 ] || fail "exit status $EXIT_STATUS"
  grep -q . "$WORK/game.log" && { cat "$WORK/game.log"; fail "the program wrote to its terminal"; }
done

step "Game > Open... of bad files while a game runs"
start_game "$WORK/flat.hfd"
main_window
sleep 2
shot before
for name in empty header-only huge; do
  open_through_dialog "$WORK/$name.hfd"
  MESSAGE=$(message_window '^Brask$')
  focus "$MESSAGE"
  keys Return
  wait_no_window '^Brask$'
  wait_no_window '^Open$'
done
focus "$MAIN"
sleep 0.5
xdotool getwindowname "$MAIN" | grep -Eq '^Brask \( [0-9]+ Frames/sec \)$' || fail "the game stopped animating"
shot after
# The same course from the same camera: only the spinning ball differs.
differing=$(compare -metric AE -fuzz 2% "$SHOTS/before.png" "$SHOTS/after.png" null: 2>&1 || true)
(( ${differing%%.*} < 3000 )) || fail "$differing pixels changed (before.png, after.png)"
step "and the ball still answers the mouse: pushed off the course, the game is lost"
xdotool mousemove 500 380
xdotool mousemove_relative 300 0
wait_words pushed_off
keys Escape
wait_exit

step "Ctrl+S before any course is loaded: refused, and no file is written"
start_game
MAIN=$(wait_window '^Brask$')
focus "$MAIN"
keys ctrl+s
SAVE=$(wait_window '^Save As$')
focus "$SAVE"
keys ctrl+a
xdotool type --delay 30 "$WORK/nothing"
keys Return
MESSAGE=$(message_window '^Brask$')
focus "$MESSAGE"
keys Return
[ -e "$WORK/nothing.hfd" ] && fail "an empty course was saved as nothing.hfd"
focus "$MAIN"
keys Escape
wait_exit
echo "PASS"
