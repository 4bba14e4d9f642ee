#!/usr/bin/env bash
# Without a working OpenGL the game says why in a message box and ends with
# status 1: no X error, no toolkit assertion, no main window. Two ways it
# breaks: the display offers OpenGL but its driver cannot be loaded (Mesa
# then asks for an indirect context, which the X server refuses), and a
# display without OpenGL at all (an X server without GLX). The editor draws
# no 3-D and starts as ever; the view demo keeps its error in its status
# bar, or declines on a display without OpenGL.
# Arguments: Brask, Braskit, glview-demo.
source "$(dirname "$0")/lib.sh"

BRASKIT=$(realpath "$2")
DEMO=$(realpath "$3")
flat_course 8 8 >"$WORK/flat.hfd"

DRIVER_MESSAGE="Cannot start the 3-D view: the OpenGL driver could not make a rendering context (wglCreateContext failed)."
NO_GL_MESSAGE="Cannot start the 3-D view: the display has no OpenGL support."

# no_crash_signs LOG: the log shows no X error and no toolkit assertion.
no_crash_signs() {
  if grep -Eq 'X Window System error|X Error|assert' "$WORK/$1"; then
    cat "$WORK/$1"
    fail "$1 shows an X error or an assertion"
  fi
}

# wait_message_box: prints the id of the visible dialog titled "Brask" (the
# main window has that title too while it holds no course).
wait_message_box() {
  local i id
  for (( i = 0; i < 150; i++ )); do
    for id in $(xdotool search --onlyvisible --name '^Brask$' 2>/dev/null || true); do
      if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG; then
        echo "$id"
        return 0
      fi
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null || { cat "$WORK/game.log" >&2; fail "the game ended without a message"; }
    sleep 0.1
  done
  fail "no message box"
}

# message_then_exit SHOT MESSAGE: the message box titled "Brask" stands
# alone; after OK the game ends with status 1 and the reason on its terminal.
message_then_exit() {
  local box
  box=$(wait_message_box)
  import -window root "$SHOTS/$1.png"
  local shown
  shown=$(xdotool search --onlyvisible --name 'Brask' 2>/dev/null | wc -l)
  [ "$shown" = 1 ] || fail "$shown windows of the game are up, not only the message ($1.png)"
  focus "$box"
  keys Return
  wait_exit
  [ "$EXIT_STATUS" = 1 ] || { cat "$WORK/game.log"; fail "the game ended with status $EXIT_STATUS"; }
  grep -qxF "Brask: $2" "$WORK/game.log" || { cat "$WORK/game.log"; fail "the reason is not on the terminal"; }
  no_crash_signs game.log
}

# editor_starts: Braskit shows the course, then is ended.
editor_starts() {
  start_program editor.log "$BRASKIT" "$WORK/flat.hfd"
  wait_window '^flat\.hfd - Braskit$' >/dev/null
  sleep 0.5
  kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the editor ended by itself"
  kill "$PROGRAM_PID"
  wait "$PROGRAM_PID" 2>/dev/null || true
  PROGRAM_PID=""
  no_crash_signs editor.log
}

step "the OpenGL driver cannot be loaded: the game says why and ends"
start_program game.log env LIBGL_DRIVERS_PATH=/nonexistent "$BRASK" "$WORK/flat.hfd"
message_then_exit driver_message "$DRIVER_MESSAGE"
grep -q 'failed to load driver' "$WORK/game.log" || fail "the driver was loaded after all: the test proves nothing"

step "the same without a course"
start_program game.log env LIBGL_DRIVERS_PATH=/nonexistent "$BRASK"
message_then_exit driver_message_no_course "$DRIVER_MESSAGE"

step "the same driver: the editor starts, the demo runs with the error in its status bar"
export LIBGL_DRIVERS_PATH=/nonexistent
editor_starts
"$DEMO" --quit-after 2 >"$WORK/demo.log" 2>&1 || { cat "$WORK/demo.log"; fail "the demo failed"; }
no_crash_signs demo.log
unset LIBGL_DRIVERS_PATH

step "a display without OpenGL: a private X server without GLX"
PLAIN_X_PID=""
stop_plain_x() {
  if [ -n "$PLAIN_X_PID" ]; then
    kill "$PLAIN_X_PID" 2>/dev/null || true
    wait "$PLAIN_X_PID" 2>/dev/null || true
  fi
}
trap 'stop_plain_x; cleanup' EXIT
PLAIN_DISPLAY=""
for n in $(seq 141 190); do
  [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -extension GLX >"$WORK/xvfb.log" 2>&1 &
  PLAIN_X_PID=$!
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X${n}" ] && break
    kill -0 "$PLAIN_X_PID" 2>/dev/null || break
    sleep 0.05
  done
  if [ -e "/tmp/.X11-unix/X${n}" ] && kill -0 "$PLAIN_X_PID" 2>/dev/null; then
    PLAIN_DISPLAY=":$n"
    break
  fi
  PLAIN_X_PID=""
done
[ -n "$PLAIN_DISPLAY" ] || fail "could not start an X server without GLX"
TEST_DISPLAY=$DISPLAY
export DISPLAY=$PLAIN_DISPLAY

start_game "$WORK/flat.hfd"
message_then_exit no_gl_message "$NO_GL_MESSAGE"

step "that display: the editor starts, the demo declines with the reason"
editor_starts
DEMO_STATUS=0
"$DEMO" --quit-after 2 >"$WORK/demo.log" 2>&1 || DEMO_STATUS=$?
[ "$DEMO_STATUS" != 0 ] || fail "the demo ran on a display without OpenGL"
grep -qxF "glview-demo: $NO_GL_MESSAGE" "$WORK/demo.log" || { cat "$WORK/demo.log"; fail "the demo did not say why"; }
no_crash_signs demo.log

export DISPLAY=$TEST_DISPLAY
echo "PASS"
