#!/usr/bin/env bash
# Editing a course as a builder does: drag over corners, keypad keys and a
# digit, Ctrl+S, and the file holds exactly the edit (a held key acting once);
# undo and redo, the status bar's readout, F5 plays the course as it is; the
# recent files and the window's place are kept; leaving with unsaved changes
# asks first; a new course saved under a bare name gets ".hfd" and plays in
# the game. Arguments: Braskit, Brask.
source "$(dirname "${BASH_SOURCE[0]}")/../../../e2e/lib.sh"
BRASKIT=$(realpath "$1")
BRASK=$(realpath "$2")
floor() { course 3 2 >"$WORK/$1"; }
trap '[ -z "$PROGRAM_PID" ] || pkill -P "$PROGRAM_PID" || true; cleanup' EXIT  # and a game the editor started
# expect_status REGEX: what the status bar says, read off the screen.
expect_status() {
  local i text
  for (( i = 0; i < 20; i++ )); do
    import -window root -crop "${WIDTH}x24+$X+$(( Y + HEIGHT - 24 ))" -resize 300% -colorspace Gray "$WORK/bar.png"
    text=$(tesseract "$WORK/bar.png" - --psm 7 2>/dev/null)
    [[ $text =~ $1 ]] && return 0 || sleep 0.2
  done
  fail "the status bar says \"$text\", not \"$1\""
}

step "drag over the bottom row's left three half-cells, keypad +, main-row 2, Ctrl+S"
floor course.hfd
start editor.log "$BRASKIT" "$WORK/course.hfd"
editor_window '^course\.hfd - Braskit$'
(( WIDTH >= 601 && Y + HEIGHT - VIEW_TOP >= 401 )) || fail "the first window is only ${WIDTH}x$HEIGHT, not 12 x 8 cells"
drag 10 60 60 90
expect_pixel 1 75 "48,48,255" "the outline's left side"
keys KP_Add 2
expect_title "$MAIN" '^\*course\.hfd - Braskit$'
# Height 4 is (100, 0, 100); course cell (0, 0) is the bottom-left cell.
expect_pixel 9 92 "100,0,100" "corner[0] of cell (0, 0)"
expect_pixel 92 92 "0,0,0" "corner[1] of cell (1, 0) was not selected"
keys ctrl+s
{ le32 3; le32 2; cell 2 4 4 4 4; cell 2 4 0 0 4; for i in 1 2 3 4; do cell 1 0 0 0 0; done; } >"$WORK/expected.hfd"
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"
expect_title "$MAIN" '^course\.hfd - Braskit$'
cp "$WORK/expected.hfd" "$WORK/edited.hfd"

step "undo and redo down to the file's bytes; the readout under the pointer; F5 plays the course as it is"
xdotool mousemove $(( WIN_X + 9 )) $(( VIEW_TOP + 92 ))
expect_status \
  'No start cell and no finish cell .*\(0, 0\) bottom-left . height 4 ?. ?hole .*3[xX]2 corners, 2[xX]1 cells'
keys ctrl+z ctrl+z
expect_status '\(0, 0\) bottom-left . height 0 ?. ?floor'
keys ctrl+s
floor expected.hfd
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"
keys ctrl+y ctrl+shift+z ctrl+s
wait_file_equals "$WORK/course.hfd" "$WORK/edited.hfd"
keys ctrl+z F5
game=$(xdotool getwindowpid "$(wait_window '^Brask( |$)')")
played=$(tr '\0' '\n' </proc/"$game"/cmdline | tail -1)
{ le32 3; le32 2; cell 1 4 4 4 4; cell 1 4 0 0 4; for i in 1 2 3 4; do cell 1 0 0 0 0; done; } >"$WORK/expected.hfd"
wait_file_equals "$played" "$WORK/expected.hfd"
kill "$game"
wait_no_window '^Brask( |$)'
focus "$MAIN"
expect_title "$MAIN" '^\*course\.hfd - Braskit$'
keys ctrl+y
expect_title "$MAIN" '^course\.hfd - Braskit$'
wait_file_equals "$WORK/course.hfd" "$WORK/edited.hfd"

step "keypad + held down through its auto-repeats raises a corner once; a new press again"
floor course.hfd
keys alt+f 1          # the file comes back from the recent files, unchanged on disk
expect_title "$MAIN" '^course\.hfd - Braskit$'
drag 10 10 10 10      # corner[3] of course cell (0, 1)
xdotool keydown KP_Add sleep 1.2 keydown KP_Add sleep 0.2 keyup KP_Add
sleep 0.3
expect_pixel 9 9 "100,0,100" "height 4"
keys KP_Add
expect_pixel 9 9 "200,0,200" "height 8"

step "Exit with the change unsaved asks: Cancel keeps it all, Save writes it"
xdotool windowmove "$MAIN" 130 90 windowsize "$MAIN" 840 620
sleep 0.5
keys alt+f x
answer '^Braskit$' Escape
wait_no_window '^Braskit$'
kill -0 "$PROGRAM_PID" || fail "the editor ended after Cancel"
floor expected.hfd
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"
keys alt+f x
answer '^Braskit$' alt+s
expect_exit 0
{ le32 3; le32 2; cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 0; cell 1 0 0 0 8; cell 1 0 0 0 0; cell 1 0 0 0 0; } \
  >"$WORK/expected.hfd"
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"

step "without a file New Heightfield comes first; a new 4 x 3 course, saved as a bare name, plays in the game"
start editor.log "$BRASKIT"
answer '^New Heightfield$' Escape
expect_exit 0
start editor.log "$BRASKIT"
answer '^New Heightfield$' ctrl+a
keys 4 Tab ctrl+a 3 Return
editor_window '^Untitled - Braskit$'
[ "$X,$Y,$WIDTH,$HEIGHT" = "130,90,840,620" ] || fail "the window came back at $X,$Y, ${WIDTH}x$HEIGHT"
drag 10 110 10 110
keys 3
drag 160 10 160 10
keys 4
save_as "$WORK/made"
course 4 3 0,0=$START 3,2=$FINISH >"$WORK/expected.hfd"
wait_file_equals "$WORK/made.hfd" "$WORK/expected.hfd"
keys alt+f x
expect_exit 0
start game.log "$BRASK" "$WORK/made.hfd"
focus "$(wait_window 'Frames/sec')"
keys Escape
expect_exit 0
echo "PASS"
