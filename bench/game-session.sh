#!/usr/bin/env bash
# A long session of Brask's game view under the display it is given
# (scripts/bench.sh gives it Xvfb with Mesa's software renderer): a
# thousand courses opened one after the other, then an hour of play on a
# fake clock. Prints the live display lists and the resident memory after
# the first and the last open and at minutes 5 and 60 of play, the frames
# drawn and how the games ended. The courses are make-bench-course's, 16 x
# 16 to 256 x 256, with files that Game > Open must refuse among them.
#
#   BRASK_SESSION_OPENS=N BRASK_SESSION_MINUTES=M bash bench/game-session.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BRASK_BUILD_DIR:-build}
session="$build_dir/bench-tools/game-session"
maker="$build_dir/bench-tools/make-bench-course"
opens=${BRASK_SESSION_OPENS:-1000}
minutes=${BRASK_SESSION_MINUTES:-60}

for program in "$session" "$maker"; do
  if [ ! -x "$program" ]; then
    echo "game-session: $program is not built" >&2
    exit 1
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  echo "game-session: no DISPLAY; run it through scripts/with-xvfb.sh" >&2
  exit 1
fi

work=$(mktemp -d /tmp/brask-session.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The heaviest course first: the first and the last open take it.
courses=()
for side in 256 16 24 32 48 64 96 128 192; do
  for kind in rough smooth; do
    "$maker" "$side" "$kind" "$work/$side-$kind.hfd"
    courses+=("$work/$side-$kind.hfd")
  done
done
# Cut short in the header, among the cells and by one byte; sizes no course
# may have (0 x 5, and 2^31 - 1 squared).
head -c 5 "$work/64-smooth.hfd" >"$work/cut-in-header.hfd"
head -c 20000 "$work/64-rough.hfd" >"$work/cut-in-cells.hfd"
head -c "$(($(stat -c %s "$work/128-smooth.hfd") - 1))" "$work/128-smooth.hfd" >"$work/one-byte-short.hfd"
printf '\x00\x00\x00\x00\x05\x00\x00\x00' >"$work/zero-wide.hfd"
printf '\xff\xff\xff\x7f\xff\xff\xff\x7f\x01\x00' >"$work/too-many-cells.hfd"
courses+=("$work/cut-in-header.hfd" "$work/cut-in-cells.hfd" "$work/one-byte-short.hfd" "$work/zero-wide.hfd"
          "$work/too-many-cells.hfd")

# Play: 24 x 24, a finish five cells from the start and a hole four away.
"$session" --opens "$opens" --minutes "$minutes" --play "$work/24-smooth.hfd" "${courses[@]}"
