#!/usr/bin/env bash
# Without a working OpenGL the game says what failed and what to do in a message box alone and ends with 1,
# the same on one line of its terminal and no X error or assertion; the editor starts as ever. A driver that
# cannot be loaded (Mesa then asks for an indirect context, which the X server refuses), and an X server
# without GLX, on which this script runs itself again. Arguments: Brask, Braskit.
source "$(dirname "${BASH_SOURCE[0]}")/../../../e2e/lib.sh"
BRASK=$(realpath "$1")
BRASKIT=$(realpath "$2")
course 8 8 1,1=$START >"$WORK/flat.hfd"
# fails_with MESSAGE ARGS...: the game's one window is the message box.
fails_with() {
  local box i
  start game.log "$BRASK" "${@:2}"
  # The main window may show for a moment first, under the same title.
  for (( i = 0; i < 150; i++ )); do
    box=$(wait_window '^Brask$')
    xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q DIALOG && break || sleep 0.1
  done
  sleep 0.5
  [ "$(xdotool search --onlyvisible --name 'Brask' | wc -l)" = 1 ] || fail "more than the message is shown"
  focus "$box"
  keys Return
  expect_exit 1
  grep -qxF "Brask: Cannot start the 3-D view: $1" "$WORK/game.log" && ! grep -Eq 'X Error|X Window System error|assert' \
    "$WORK/game.log" || { cat "$WORK/game.log"; fail "not the reason alone"; }
  start editor.log "$BRASKIT" "$WORK/flat.hfd"
  wait_window '^flat\.hfd - Braskit$' >/dev/null
  keys alt+f x
  expect_exit 0
}

if [ -n "${BRASK_XVFB_NO_GLX:-}" ]; then
  step "a display without OpenGL"
  fails_with "this display has no OpenGL (GLX) at all. Run the program on an X11 display whose X server offers GLX." \
    "$WORK/flat.hfd"
  echo "PASS"
  exit 0
fi
step "the OpenGL driver cannot be loaded"
export LIBGL_DRIVERS_PATH=/nonexistent
refused="the OpenGL driver refused to make a rendering context. Install Mesa's OpenGL drivers"
refused+=" (the Debian package libgl1-mesa-dri) and check that the X server offers GLX."
fails_with "$refused" "$WORK/flat.hfd"
grep -q 'failed to load driver' "$WORK/game.log" || fail "the driver was loaded after all: this proves nothing"
unset LIBGL_DRIVERS_PATH
BRASK_XVFB_NO_GLX=1 bash "$(dirname "$0")/../../../../scripts/with-xvfb.sh" bash "$0" "$@"
