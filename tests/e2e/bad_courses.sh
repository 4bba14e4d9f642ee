#!/usr/bin/env bash
# Files that look like courses and are not, in both programs. Named on the
# command line each gets one message, also as one line on the terminal, and
# the program ends with status 1. Opened through the Open dialog they leave
# the open course and its changes as they were. A course with no cells is
# never saved. Arguments: Brask, Braskit.
source "$(dirname "$0")/lib.sh"
BRASK=$(realpath "$1")
BRASKIT=$(realpath "$2")
: >"$WORK/empty.hfd"
{ le32 3; le16 2; printf '\x00'; } >"$WORK/seven-bytes.hfd"
{ le32 3; le32 3; } >"$WORK/header-only.hfd"
{ le32 -1; le32 5; cell "$FLOOR" 0 0 0 0; } >"$WORK/negative-width.hfd"
# The sizes alone ask for 46 exabytes, or 21 GB: refused before allocating.
{ le32 2147483647; le32 2147483647; cell "$FLOOR" 0 0 0 0; } >"$WORK/huge.hfd"
{ le32 2147483647; le32 1; cell "$FLOOR" 0 0 0 0; } >"$WORK/huge-row.hfd"
mkdir "$WORK/folder.hfd"
course 3 2 1,1=$START >"$WORK/course.hfd"

for name in empty seven-bytes header-only negative-width huge huge-row folder missing; do
  step "$name.hfd on the command line"
  for program in "$BRASK" "$BRASKIT"; do
    start run.log "$program" "$WORK/$name.hfd"
    answer "^${program##*/}\$" Return
    expect_exit 1
    [[ $(wc -l <"$WORK/run.log") = 1 && $(<"$WORK/run.log") == "${program##*/}: Cannot open “$WORK/$name.hfd”: "*. ]] \
      || fail "$(<"$WORK/run.log")"
  done
done

step "File > Open... of bad files keeps the edited course, which Save then writes"
start editor.log "$BRASKIT" "$WORK/course.hfd"
editor_window '^course\.hfd - Braskit$'
drag 10 10 10 10
keys KP_Add
for name in empty negative-width huge-row; do
  open_through_dialog "$WORK/$name.hfd"
  answer '^Braskit$' alt+n              # Don't Save the edit first
  sleep 0.5
  answer '^Braskit$' Return             # the message
  wait_no_window '^Braskit$'
  expect_title "$MAIN" '^\*course\.hfd - Braskit$'
done
keys ctrl+s
{ le32 3; le32 2; for i in 1 2 3; do cell "$FLOOR" 0 0 0 0; done; cell "$FLOOR" 0 0 0 4; cell "$START" 0 0 0 0
  cell "$FLOOR" 0 0 0 0; } >"$WORK/expected.hfd"
wait_file_equals "$WORK/course.hfd" "$WORK/expected.hfd"

step "a course of 0 x 0 cells, as New Heightfield opens: Save is refused and writes nothing"
keys alt+f n
answer '^New Heightfield$' Return
expect_title "$MAIN" '^Untitled - Braskit$'
save_as "$WORK/nothing"
answer '^Braskit$' Return "$MAIN"
[ ! -e "$WORK/nothing.hfd" ] || fail "a course without cells was saved"
keys alt+f x
expect_exit 0
echo "PASS"
