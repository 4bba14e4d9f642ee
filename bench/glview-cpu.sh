#!/usr/bin/env bash
# Processor time of an animating glview-demo over 10 s, as a share of one
# core. The render loop asks for a paint only when the next frame is due,
# so at the 33 frames/s cap it should stay far below a whole core.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BRASK_BUILD_DIR:-build}
demo="$build_dir/bin/glview-demo"
settle_s=2     # start-up and font building are not part of the figure
window_s=10
target_percent=10

if [ ! -x "$demo" ]; then
  echo "glview-cpu: $demo is not built" >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "glview-cpu: no DISPLAY; run it through scripts/with-xvfb.sh" >&2
  exit 1
fi

# utime + stime of a process, in clock ticks, all its threads included.
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat")
  stat=${stat##*) }   # drop "pid (comm) ", comm may hold spaces
  awk '{ print $12 + $13 }' <<<"$stat"
}

out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$demo" --animate --quit-after $((settle_s + window_s + 1)) >"$out" 2>&1 &
pid=$!
sleep "$settle_s"
start_ticks=$(cpu_ticks "$pid")
start_ns=$(date +%s%N)
sleep "$window_s"
end_ticks=$(cpu_ticks "$pid")
end_ns=$(date +%s%N)
wait "$pid"

ticks_per_s=$(getconf CLK_TCK)
awk -v t="$((end_ticks - start_ticks))" -v hz="$ticks_per_s" -v ns="$((end_ns - start_ns))" \
    -v target="$target_percent" \
    'BEGIN { printf "glview-demo animating: %.1f %% of one core over %.1f s (target <= %d %%)\n",
             100 * t / hz / (ns / 1e9), ns / 1e9, target }'
rate=$(sed -n 's/.*, \([0-9.]*\) frames\/s$/\1/p' "$out")
echo "glview-demo animating: ${rate:-?} frames/s (cap 33)"
