#!/usr/bin/env bash
# Processor time of an animating glview-demo over 10 s, as a share of one
# core, and the frame rate its title shows meanwhile. The render loop asks
# for a paint only when the next frame is due, so at the 33 frames/s cap it
# should stay far below a whole core.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/watch-program.bash
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

out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$demo" --animate >"$out" 2>&1 &
pid=$!
if ! window=$(rate_window "$pid" glview-demo); then
  echo "glview-cpu: no frame rate in the title:" >&2
  cat "$out" >&2
  exit 1
fi
sleep "$settle_s"
read -r share seconds rate low high < <(watch_program "$pid" "$window" "$window_s")
close_program "$pid" "$window" || { echo "glview-cpu: glview-demo did not close cleanly:" >&2; cat "$out" >&2; exit 1; }

echo "glview-demo animating: $share % of one core over $seconds s (target <= $target_percent %)"
echo "glview-demo animating: $rate frames/s (title read $low to $high, cap 33)"
