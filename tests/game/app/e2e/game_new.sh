#!/usr/bin/env bash
# The mouse pushes the ball: a push to the right rolls it into a hole and
# ends the game. Ctrl+N, shown on Game > New, then starts a new game: the
# ball is back on the start cell, at rest, and the words are gone.
source "$(dirname "$0")/lib.sh"

# 9 x 3 flat cells, the start at (1, 1) and a hole at (6, 1).
{
  le32 9; le32 3
  for (( y = 0; y < 3; y++ )); do
    for (( x = 0; x < 9; x++ )); do
      type=$FLOOR
      (( x == 1 && y == 1 )) && type=$START
      (( x == 6 && y == 1 )) && type=$HOLE
      cell "$type" 0 0 0 0
    done
  done
} >"$WORK/hole.hfd"

start_game "$WORK/hole.hfd"
main_window
sleep 1
expect_no_words resting

step "push the ball right with the mouse: it rolls into the hole"
# 60 pixels to the right: 1.2 cells a second towards +x.
xdotool mousemove_relative 60 0
wait_words lost

step "Ctrl+N: a new game on the start cell"
focus "$MAIN"
xdotool mousemove 500 380
keys ctrl+n
sleep 1
expect_no_words new_game
sleep 2
expect_no_words still_resting
keys Escape
wait_exit
echo "PASS"
