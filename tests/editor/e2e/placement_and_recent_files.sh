#!/usr/bin/env bash
# The window comes back where and as large as it was left, and the files
# opened last are in the File menu's recent-file list, newest first.
source "$(dirname "$0")/lib.sh"

floor_course 3 2 >"$WORK/first.hfd"
floor_course 4 4 >"$WORK/second.hfd"
CONFIG="$XDG_CONFIG_HOME/Braskit/Braskit.conf"

step "first start: room for at least 12 x 8 cells"
start_editor "$WORK/first.hfd"
main_window
[ $(( HEIGHT - (VIEW_TOP - WIN_Y) )) -ge 401 ] && [ "$WIDTH" -ge 601 ] || fail "first window is only ${WIDTH}x${HEIGHT}"

step "move and resize the window, then close it"
xdotool windowmove "$MAIN" 130 90
xdotool windowsize "$MAIN" 840 620
sleep 0.5
close_window "$MAIN"
wait_exit
grep -q "file1=$WORK/first.hfd" "$CONFIG" || fail "first.hfd is not in the recent files"

step "the next start restores the placement"
start_editor "$WORK/second.hfd"
MAIN=$(wait_window ' - Braskit$')
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "130,90,840,620" ] || fail "window came back at $X,$Y size ${WIDTH}x${HEIGHT}"
grep -q "file1=$WORK/second.hfd" "$CONFIG" || fail "second.hfd is not the newest recent file"
grep -q "file2=$WORK/first.hfd" "$CONFIG" || fail "first.hfd is not the second recent file"

step "File > 2 opens first.hfd again"
focus "$MAIN"
keys alt+f
sleep 0.3
keys 2
expect_title "$MAIN" "first.hfd - Braskit"
grep -q "file1=$WORK/first.hfd" "$CONFIG" || fail "first.hfd did not move to the top"
echo "PASS"
