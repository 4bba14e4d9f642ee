#!/usr/bin/env bash
# Runs a command with DISPLAY pointing at a private Xvfb server that this
# script starts and stops. Mesa renders in software there. With
# BRASK_XVFB_NO_GLX=1 the server offers no OpenGL at all.
set -euo pipefail
if ! command -v Xvfb >/dev/null; then
  echo "with-xvfb: Xvfb is not installed (run scripts/install-deps.sh)" >&2
  exit 1
fi
glx=+extension
[ -z "${BRASK_XVFB_NO_GLX:-}" ] || glx=-extension
# The server picks a free display number itself and tells it on a pipe: a
# number chosen here by looking at /tmp could clash with a server of another
# root on this machine, whose listening sockets are shared.
log=$(mktemp /tmp/xvfb.XXXXXX.log)
# -noreset: by default the server starts afresh whenever its last client
# leaves, and a program connecting in that moment cannot open the display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset $glx GLX 3> >(cat >"$log.display") >"$log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -f "$log" "$log.display"' EXIT
for _ in $(seq 1 200); do
  [ -s "$log.display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$log" >&2; echo "with-xvfb: Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
[ -s "$log.display" ] || { echo "with-xvfb: Xvfb did not say its display" >&2; exit 1; }
export DISPLAY=":$(head -1 "$log.display")"
export LIBGL_ALWAYS_SOFTWARE=1
set +e
"$@"
status=$?
exit $status
