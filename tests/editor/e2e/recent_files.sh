#!/usr/bin/env bash
# The editor's window comes back where and as large as it was left, and the
# courses opened last are in the File menu, newest first. Argument: Braskit.
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/lib.sh"
BRASKIT=$(realpath "$1")
course 3 2 >"$WORK/first.hfd"
course 4 4 >"$WORK/second.hfd"

step "the first start has room for 12 x 8 cells; the window is moved, resized and closed"
start editor.log "$BRASKIT" "$WORK/first.hfd"
editor_window '^first\.hfd - Braskit$'
(( WIDTH >= 601 && Y + HEIGHT - VIEW_TOP >= 401 )) || fail "the first window is only ${WIDTH}x$HEIGHT"
xdotool windowmove "$MAIN" 130 90 windowsize "$MAIN" 840 620
sleep 0.5
keys alt+f x
expect_exit 0

step "the next start comes back there, and File > 2 opens the first course again"
start editor.log "$BRASKIT" "$WORK/second.hfd"
editor_window '^second\.hfd - Braskit$'
[ "$X,$Y,$WIDTH,$HEIGHT" = "130,90,840,620" ] || fail "the window came back at $X,$Y, ${WIDTH}x$HEIGHT"
keys alt+f 2
expect_title "$MAIN" '^first\.hfd - Braskit$'
keys alt+f 2
expect_title "$MAIN" '^second\.hfd - Braskit$'
echo "PASS"
