#!/usr/bin/env bash
# Without a working OpenGL the game says why in a message box, on its own,
# and ends with status 1, with the reason on its terminal and no X error or
# toolkit assertion; the editor, which draws no 3-D, starts as ever. Two ways
# it breaks: a driver that cannot be loaded (Mesa then asks for an indirect
# context, which the X server refuses), and an X server without GLX.
# Arguments: Brask, Braskit.
source "$(dirname "${BASH_SOURCE[0]}")/../../../e2e/lib.sh"
BRASK=$(realpath "$1")
BRASKIT=$(realpath "$2")
course 8 8 1,1=$START >"$WORK/flat.hfd"

# fails_with MESSAGE ARGS...: the game's one window is the message box.
fails_with() {
  local box i message=$1
  shift
  start game.log "$BRASK" "$@"
  # The main window may show for a moment first, under the same title.
  for (( i = 0; i < 150; i++ )); do
    box=$(wait_window '^Brask$')
    xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q DIALOG && break
    sleep 0.1
  done
  sleep 0.5
  [ "$(xdotool search --onlyvisible --name 'Brask' | wc -l)" = 1 ] || fail "more than the message is shown"
  focus "$box"
  keys Return
  expect_exit 1
  grep -qxF "Brask: Cannot start the 3-D view: $message" "$WORK/game.log" || { cat "$WORK/game.log"; fail "no reason"; }
  ! grep -Eq 'X Window System error|X Error|assert' "$WORK/game.log" || { cat "$WORK/game.log"; fail "X error"; }
}
editor_starts() {
  start editor.log "$BRASKIT" "$WORK/flat.hfd"
  wait_window '^flat\.hfd - Braskit$' >/dev/null
  keys alt+f x
  expect_exit 0
}

step "the OpenGL driver cannot be loaded"
export LIBGL_DRIVERS_PATH=/nonexistent
for args in "$WORK/flat.hfd" ""; do
  fails_with "the OpenGL driver could not make a rendering context (wglCreateContext failed)." $args
done
grep -q 'failed to load driver' "$WORK/game.log" || fail "the driver was loaded after all: this proves nothing"
editor_starts
unset LIBGL_DRIVERS_PATH

step "a display without OpenGL: a private X server without GLX"
for n in $(seq 141 190); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -extension GLX >"$WORK/xvfb.log" 2>&1 &
  PLAIN_X=$!
  trap 'kill $PLAIN_X 2>/dev/null || true; cleanup' EXIT
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  [ -e "/tmp/.X11-unix/X$n" ] && break
done
[ -e "/tmp/.X11-unix/X$n" ] || fail "could not start an X server without GLX"
export DISPLAY=":$n"
fails_with "the display has no OpenGL support." "$WORK/flat.hfd"
editor_starts
echo "PASS"
