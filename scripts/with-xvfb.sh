#!/usr/bin/env bash
# Runs a command with DISPLAY pointing at a private Xvfb server that this
# script starts and stops. Mesa renders in software there. With
# BRASK_XVFB_NO_GLX=1 the server offers no OpenGL at all.
set -euo pipefail
if ! command -v Xvfb >/dev/null; then
  echo "with-xvfb: Xvfb is not installed (run scripts/install-deps.sh)" >&2
  exit 1
fi
display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "with-xvfb: no free display number" >&2; exit 1; }
glx=+extension
[ -z "${BRASK_XVFB_NO_GLX:-}" ] || glx=-extension
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp $glx GLX >/tmp/xvfb-"${display#:}".log 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.05
done
export DISPLAY="$display"
export LIBGL_ALWAYS_SOFTWARE=1
set +e
"$@"
status=$?
exit $status
