#!/usr/bin/env bash
# Brask playing under the display it is given (scripts/bench.sh gives it
# Xvfb with Mesa's software renderer), on bumpy courses of mixed types from
# 2 x 2 to 4096 x 4096 cells in an 800 x 600 window: the time from start to
# the first frame, the frame rate the title shows (the render loop caps it at
# 33 frames/s), the processor share of one core, and the resident memory at
# the end and at its peak. The ball rests on its start cell, near the corner
# where the camera starts, so that on every course the camera settles behind
# it within the first seconds and sees the same kind of ground; with
# BRASK_BENCH_START=middle the start is in the middle of the course, towards
# which the camera travels the whole time.
#
# Targets: every course at the cap; the share on 4096 x 4096 within 1.3 x that
# on 64 x 64, and both within 2 x that on 2 x 2; the first frame of 4096 x 4096
# within 3 s and its resident memory within 3 x its file's size + 150 MB.
#
#   bash bench/game-play.sh [SIDE...]     (default: 2 64 256 1024 4096)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/watch-program.bash
build_dir=${BRASK_BUILD_DIR:-build}
game="$build_dir/bin/Brask"
maker=${BRASK_BENCH_MAKER:-$build_dir/bench-tools/make-bench-course}
start=corner
[ "${BRASK_BENCH_START:-}" != middle ] || start=
settle_s=8              # start-up and the camera's approach are not part of the steady figures
window_s=10
first_frame_limit_s=${BRASK_FIRST_FRAME_LIMIT_S:-120}
memory_limit_kb=$(( 6 * 1024 * 1024 ))   # a program past this is stopped: the machine is shared
sides=("$@")
[ ${#sides[@]} -gt 0 ] || sides=(2 64 256 1024 4096)

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
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
# A home of our own: no saved window placement of the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

# status_kb PID FIELD: a VmRSS or VmHWM figure of the process, in kB.
status_kb() {
  awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status"
}

# first_frame PID: waits for the title's frame rate (set by the first
# animated frame) and prints the seconds since start and the window id;
# fails when the program ends, grows past the memory limit or takes too long.
first_frame() {
  local start_ns=$1 id rss
  while :; do
    id=$(xdotool search --onlyvisible --name '^Brask \( [0-9]+ Frames/sec \)$' 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      awk -v ns="$(( $(date +%s%N) - start_ns ))" -v id="$id" 'BEGIN { printf "%.1f %s\n", ns / 1e9, id }'
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "ended"; return 1; }
    rss=$(status_kb "$pid" VmRSS || echo 0)
    (( rss < memory_limit_kb )) || { echo "grew past $(( memory_limit_kb / 1024 )) MB"; return 1; }
    (( $(date +%s%N) - start_ns < first_frame_limit_s * 1000000000 )) ||
      { echo "none within $first_frame_limit_s s"; return 1; }
    sleep 0.1
  done
}

rows=()
declare -A share_of
for side in "${sides[@]}"; do
  course="$work/$side.hfd" out="$work/$side.out"
  "$maker" "$side" rough "$course" $start
  file_mb=$(awk -v b="$(stat -c %s "$course")" 'BEGIN { printf "%.1f", b / 1048576 }')
  start_ns=$(date +%s%N)
  "$build_dir/bin/Brask" "$course" >"$out" 2>&1 &
  pid=$!
  if ! result=$(first_frame "$start_ns"); then
    peak=$(( $(status_kb "$pid" VmHWM || echo 0) / 1024 ))
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
    rows+=("$(printf '| %4d x %-4d | %7s MB | no first frame (%s) | - | - | peak %d MB |' \
      "$side" "$side" "$file_mb" "$result" "$peak")")
    echo "${rows[-1]}"
    continue
  fi
  read -r first window <<<"$result"
  sleep "$settle_s"
  read -r share seconds rate low high < <(watch_program "$pid" "$window" "$window_s")
  rss=$(( $(status_kb "$pid" VmRSS) / 1024 ))
  peak=$(( $(status_kb "$pid" VmHWM) / 1024 ))
  if ! close_program "$pid" "$window"; then
    echo "game-play: Brask failed on the $side x $side course:" >&2
    cat "$out" >&2
    exit 1
  fi
  pid=
  share_of[$side]=$share
  rows+=("$(printf '| %4d x %-4d | %7s MB | %5s s | %4s (%s to %s) | %5s %% | %4d MB (peak %d MB) |' \
    "$side" "$side" "$file_mb" "$first" "$rate" "$low" "$high" "$share" "$rss" "$peak")")
  echo "${rows[-1]}"
done

echo
echo "Brask on bumpy courses with the start ${start:+near the }${start:-in the middle}," \
  "800 x 600, ${window_s} s watched after ${settle_s} s:"
echo "| course | file | first frame | frames/s (title read) | share of one core | resident |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
if [ -n "${share_of[4096]:-}" ] && [ -n "${share_of[64]:-}" ]; then
  echo "share 4096 x 4096 / 64 x 64: $(ratio "${share_of[4096]}" "${share_of[64]}") (target <= 1.3)"
fi
if [ -n "${share_of[2]:-}" ]; then
  for side in 64 4096; do
    [ -z "${share_of[$side]:-}" ] ||
      echo "share $side x $side / 2 x 2: $(ratio "${share_of[$side]}" "${share_of[2]}") (target <= 2)"
  done
fi
