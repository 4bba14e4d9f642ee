#!/usr/bin/env bash
# Runs the README's play command as a new user would, in a fresh Debian 12
# root with a clean clone of HEAD: first as a user without sudo, who is told
# the one command to run as root; then as root, timed from the clone to the
# game's window on this machine's Xvfb (screenshot in
# build-package/check/brask-played.png). Then the test command's packages
# are installed on top, and the script says how many packages each command
# installs. Needs root, the Debian mirror and some minutes; not part of the
# tests. Usage: sudo scripts/check-play-command.sh
set -euo pipefail
cd "$(dirname "$0")/.."
shot=$(pwd)/build-package/check/brask-played.png
in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root DISPLAY="${DISPLAY:-}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# Runs inside scripts/with-xvfb.sh: play as root, until the game's window shows.
if [ "${1:-}" = --under-xvfb ]; then
  root=$2 log=$3
  started=$SECONDS built=""
  in_root sh -c 'cd /root/brask && exec bash scripts/play.sh' >"$log" 2>&1 &
  pid=$!
  window=""
  while [ -z "$window" ]; do
    kill -0 "$pid" 2>/dev/null || { tail -20 "$log"; echo "check-play-command: play ended early" >&2; exit 1; }
    [ -n "$built" ] || ! grep -q '^build: configuring' "$log" || built=$(( SECONDS - started ))
    sleep 1
    window=$(xdotool search --onlyvisible --name '^Brask \( [0-9]+ Frames/sec \)$' 2>/dev/null | head -1 || true)
  done
  echo "check-play-command: packages installed after ${built} s; the game's window after $(( SECONDS - started )) s"
  sleep 3
  mkdir -p "$(dirname "$shot")"
  import -window "$window" "$shot"
  echo "check-play-command: \"$(xdotool getwindowname "$window")\", screenshot $shot"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  exit 0
fi

source scripts/fresh-root.sh
make_fresh_root play
bind /tmp/.X11-unix /tmp/.X11-unix
echo "check-play-command: cloning HEAD ($(git rev-parse --short HEAD)) into the root"
git clone -q --no-local . "$root/root/brask"

echo "check-play-command: as a user without sudo"
in_root useradd -m player
git clone -q --no-local . "$root/home/player/brask"
in_root chown -R player: /home/player/brask
status=0
in_root su player -c 'cd ~/brask && bash scripts/play.sh' >"$roots/play-user.log" 2>&1 || status=$?
sed 's/^/  /' "$roots/play-user.log"
[ "$status" = 1 ] && grep -q "^  su -c 'apt-get update && apt-get install " "$roots/play-user.log" \
  || { echo "check-play-command: not the command to run as root (status $status)" >&2; exit 1; }

echo "check-play-command: as root, bash scripts/play.sh (log: $roots/play.log)"
bash scripts/with-xvfb.sh bash "$0" --under-xvfb "$root" "$roots/play.log"
played=$(grep -c '^Setting up' "$roots/play.log" || true)
for tool in libgtest-dev libbenchmark-dev libosmesa6-dev; do
  ! in_root dpkg-query -W -f='${Status}' "$tool" 2>/dev/null | grep -q 'ok installed' \
    || { echo "check-play-command: play installed $tool" >&2; exit 1; }
done
echo "check-play-command: then the test command's packages (log: $roots/test-packages.log)"
in_root sh -c 'cd /root/brask && bash scripts/install-deps.sh' >"$roots/test-packages.log" 2>&1
more=$(grep -c '^Setting up' "$roots/test-packages.log" || true)
echo "check-play-command: play installed $played packages; the test command installs $(( played + more ))"
