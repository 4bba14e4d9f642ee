#!/usr/bin/env bash
# Brask playing under the display it is given (scripts/bench.sh gives it
# Xvfb with Mesa's software renderer): the frame rate on 512 x 512 varied
# courses (the render loop caps it at 33 frames/s) and on a 64 x 64 one, and
# the processor share of one core while the 64 x 64 course plays (target
# <= 15 %). The ball rests on its start cell; the camera settles behind it.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/watch-program.bash
build_dir=${BRASK_BUILD_DIR:-build}
game="$build_dir/bin/Brask"
maker="$build_dir/bench-tools/make-bench-course"
settle_s=3     # the camera's approach
window_s=10
target_percent=15

for program in "$game" "$maker"; do
  if [ ! -x "$program" ]; then
    echo "game-play: $program is not built" >&2
    exit 1
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  echo "game-play: no DISPLAY; run it through scripts/with-xvfb.sh" >&2
  exit 1
fi

work=$(mktemp -d /tmp/brask-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
# A home of our own: no saved window placement of the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

# play NAME SIDE KIND: plays a course, and once the camera has settled
# prints the frame rate that the title shows and the processor share over
# window_s seconds; then closes the game with Escape.
play() {
  local name=$1 side=$2 kind=$3 course="$work/$1.hfd" out="$work/$1.out"
  "$maker" "$side" "$kind" "$course"
  "$game" "$course" >"$out" 2>&1 &
  local pid=$! window share seconds rate low high
  if ! window=$(rate_window "$pid" Brask); then
    echo "game-play: no frame rate in Brask's title:" >&2
    cat "$out" >&2
    return 1
  fi
  sleep "$settle_s"
  read -r share seconds rate low high < <(watch_program "$pid" "$window" "$window_s")
  if ! close_program "$pid" "$window"; then
    echo "game-play: Brask failed on the $name course:" >&2
    cat "$out" >&2
    return 1
  fi
  echo "Brask on a $side x $side $kind course: $rate frames/s (title read $low to $high, cap 33)"
  echo "Brask on a $side x $side $kind course: $share % of one core over $seconds s" \
    "(target <= $target_percent % on 64 x 64)"
}

play varied-512-smooth 512 smooth
play varied-512-rough 512 rough
play varied-64 64 smooth
