#!/usr/bin/env bash
# brask-thumbnailer at its boundary: a course gives a PNG of the size asked
# for, whose pixels are the cells'; a truncated file, a hostile header or a
# bad size give a status, one line of reason and no picture. Argument: the program.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
program=$(realpath "$1")
work=$(mktemp -d /tmp/brask-thumbnailer.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"
zeros='\0\0\0\0\0\0\0\0'
# 2 x 1 cells: the start, then a finish, all at height 0.
printf "\\2\\0\\0\\0\\1\\0\\0\\0\\3\\0$zeros\\4\\0$zeros" >course.hfd
"$program" -s 4 course.hfd course.png
file -b course.png | grep -q '^PNG image data, 4 x 2,' || fail "$(file -b course.png)"
pixels=$(convert course.png -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | xargs)
[ "$pixels" = "#0000FF #0000FF #000000 #FFFFFF #0000FF #0000FF #FFFFFF #000000" ] || fail "pixels $pixels"

head -c 15 course.hfd >truncated.hfd
printf '\377\377\377\177\377\377\377\177\1\0' >hostile.hfd
for bad in "truncated.hfd 1" "hostile.hfd 1" "-s 0 course.hfd 2" "-s 1x course.hfd 2" "course.hfd x.png 2"; do
  status=0
  "$program" ${bad% *} out.png 2>err.txt || status=$?
  [ "$status" = "${bad##* }" ] && [ "$(wc -l <err.txt)" = 1 ] || fail "$bad: status $status, $(cat err.txt)"
  [ ! -e out.png ] || fail "$bad: a picture was written"
done
echo "PASS"
