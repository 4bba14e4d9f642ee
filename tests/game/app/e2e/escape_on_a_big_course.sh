#!/usr/bin/env bash
# On a course so big that the software renderer takes longer than the
# 30 ms frame interval, the game still answers: Escape ends it.
source "$(dirname "$0")/lib.sh"
MAKE_COURSE=$(realpath "$2")

"$MAKE_COURSE" 512 rough "$WORK/big.hfd"
start_game "$WORK/big.hfd"
main_window
sleep 2
title=$(xdotool getwindowname "$MAIN")
step "playing at \"$title\": Escape"
keys Escape
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "the game did not end cleanly"
echo "PASS"
