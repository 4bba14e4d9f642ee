#!/usr/bin/env bash
# Brask playing under the display it is given (scripts/bench.sh gives it
# Xvfb with Mesa's software renderer): the frame rate on 512 x 512 varied
# courses (the render loop caps it at 33 frames/s) and on a 64 x 64 one, and
# the processor share of one core while the 64 x 64 course plays (target
# <= 15 %). The ball rests on its start cell; the camera settles behind it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BRASK_BUILD_DIR:-build}
game="$build_dir/bin/Brask"
maker="$build_dir/bench-tools/make-bench-course"
settle_s=3     # start-up, the course list and the camera's approach
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

# utime + stime of a process, in clock ticks, all its threads included.
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat")
  stat=${stat##*) }   # drop "pid (comm) ", comm may hold spaces
  awk '{ print $12 + $13 }' <<<"$stat"
}

# play NAME SIDE KIND: plays a course for settle_s + window_s seconds and
# prints the average frame rate and the processor share over the window.
play() {
  local name=$1 side=$2 kind=$3 course="$work/$1.hfd" out="$work/$1.out"
  "$maker" "$side" "$kind" "$course"
  BRASK_QUIT_AFTER=$((settle_s + window_s + 1)) "$game" "$course" >"$out" 2>&1 &
  local pid=$!
  sleep "$settle_s"
  local start_ticks start_ns end_ticks end_ns
  start_ticks=$(cpu_ticks "$pid")
  start_ns=$(date +%s%N)
  sleep "$window_s"
  end_ticks=$(cpu_ticks "$pid")
  end_ns=$(date +%s%N)
  wait "$pid" || { echo "game-play: Brask failed on the $name course:" >&2; cat "$out" >&2; return 1; }
  local rate
  rate=$(sed -n 's/.*, \([0-9.]*\) frames\/s$/\1/p' "$out")
  echo "Brask on a $side x $side $kind course: ${rate:-?} frames/s (cap 33)"
  awk -v t="$((end_ticks - start_ticks))" -v hz="$(getconf CLK_TCK)" -v ns="$((end_ns - start_ns))" \
      -v side="$side" -v kind="$kind" -v target="$target_percent" \
      'BEGIN { printf "Brask on a %d x %d %s course: %.1f %% of one core over %.1f s (target <= %d %% on 64 x 64)\n",
               side, side, kind, 100 * t / hz / (ns / 1e9), ns / 1e9, target }'
}

play varied-512-smooth 512 smooth
play varied-512-rough 512 rough
play varied-64 64 smooth
