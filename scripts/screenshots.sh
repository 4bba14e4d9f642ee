#!/usr/bin/env bash
# Makes the README's screenshots again under a private Xvfb:
#   docs/screenshots/brask.png    the game in play on a shipped course
#   docs/screenshots/braskit.png  the editor on a varied course, a selection made
# Uses the programs in build/bin (scripts/build.sh makes them), or in the
# folder BRASK_BIN_DIR names.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --under-xvfb ]; then
  bin=${BRASK_BIN_DIR:-build/bin}
  for program in Brask Braskit; do
    [ -x "$bin/$program" ] || { echo "screenshots: no $bin/$program; run scripts/build.sh first" >&2; exit 1; }
  done
  exec bash scripts/with-xvfb.sh bash "$0" --under-xvfb "$(realpath "$bin")"
fi

bin=$2
out=docs/screenshots
source tests/e2e/lib.sh screenshots
mkdir -p "$out"

# The course the game shows: holes, ice and mud on the way from the start.
GAME_COURSE=courses/03-ice-and-mud.hfd
# The course the editor shows: terraces of many heights and every cell type.
EDITOR_COURSE=courses/04-terraces.hfd
# Pointer steps that push the ball forward for about a second and a half.
PUSH_STEPS=30
PUSH_STEP_PIXELS=3
PUSH_STEP_SECONDS=0.05
# The editor's window: the course's full width (16 cells of 50 pixels and
# a scroll bar) and 14 rows, scrolled down by 18 rows to the start.
EDITOR_WIDTH=830
EDITOR_HEIGHT=745
EDITOR_SCROLL_CLICKS=6

# window_shot WINDOW NAME: the window alone, as $out/NAME.png.
window_shot() {
  import -window "$1" "$WORK/$2.png"
  # No time stamps or comments in the PNG: a picture that did not change
  # gives the same bytes.
  convert "$WORK/$2.png" -strip "$out/$2.png"
  echo "screenshots: wrote $out/$2.png ($(identify -format '%wx%h' "$out/$2.png"))"
}

step "the game on $GAME_COURSE, the ball pushed forward"
start_program game.log "$bin/Brask" "$GAME_COURSE"
game=$(wait_window '^Brask \( [0-9]+ Frames/sec \)$')
focus "$game"
sleep 1
# Loading put the pointer at (500, 380); moving it up pushes the ball
# along the course, away from the camera.
for (( i = 1; i <= PUSH_STEPS; i++ )); do
  xdotool mousemove 500 $(( 380 - i * PUSH_STEP_PIXELS ))
  sleep "$PUSH_STEP_SECONDS"
done
window_shot "$game" brask
keys Escape
wait_exit

step "the editor on $EDITOR_COURSE, scrolled to the start, a block of corners selected"
# A fresh home (tests/e2e/lib.sh) with the window's placement stored as the
# editor keeps it: room for the course's full width and 14 rows.
mkdir -p "$XDG_CONFIG_HOME/Braskit"
printf '[Persistent_Options/Window/MainFrame]\nx=40\ny=40\nw=%d\nh=%d\nMaximized=0\nIconized=0\n' \
  "$EDITOR_WIDTH" "$EDITOR_HEIGHT" >"$XDG_CONFIG_HOME/Braskit/Braskit.conf"
start_program editor.log "$bin/Braskit" "$EDITOR_COURSE"
editor=$(wait_window ' - Braskit$')
sleep 0.5
focus "$editor"
eval "$(xdotool getwindowgeometry --shell "$editor")"
# The view's first row is the grid's top line, the first black pixel below
# the menu bar; looked for right of the menu titles.
import -window "$editor" "$WORK/start.png"
view_top=$(convert "$WORK/start.png" -crop "1x${HEIGHT}+$(( WIDTH - 40 ))+0" -depth 8 txt:- \
  | sed -n 's/^0,\([0-9]*\): (0,0,0).*/\1/p' | head -1)
[ -n "$view_top" ] || fail "no grid line in the editor's window (see $WORK/start.png)"
view_top=$(( Y + view_top ))
# Scroll down to the start cell: the wheel moves three cells a click.
xdotool mousemove $(( X + 300 )) $(( view_top + 300 ))
xdotool click --repeat "$EDITOR_SCROLL_CLICKS" --delay 50 5
sleep 0.3
# Drag over the ramp and the corners around it (view pixels; cells are 50).
xdotool mousemove $(( X + 60 )) $(( view_top + 160 ))
sleep 0.1
xdotool mousedown 1
sleep 0.1
xdotool mousemove $(( X + 200 )) $(( view_top + 250 ))
sleep 0.1
xdotool mousemove $(( X + 330 )) $(( view_top + 340 ))
sleep 0.1
xdotool mouseup 1
# The pointer off the window, so it is not in the picture.
xdotool mousemove $(( X + WIDTH + 50 )) $(( Y + HEIGHT + 50 ))
sleep 0.5
window_shot "$editor" braskit
kill "$PROGRAM_PID"
wait_exit
