#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 root and starts both
# programs from there, through the commands their launchers run, under an
# Xvfb on this machine; takes a screenshot of each.
#
# A one-off demonstration, not part of the tests: it needs root, the Debian
# mirror and some minutes. Usage: scripts/check-package.sh [PACKAGE.deb]
# (default: the one scripts/package.sh made in build-package/).
# The base root is made once and kept in $BRASK_ROOT_DIR/base (default
# /var/tmp/brask-root); every run installs into a new copy of it.
# Screenshots: build-package/check/{brask,braskit}-installed.png.
set -euo pipefail
cd "$(dirname "$0")/.."
here=$(pwd)
shots="$here/build-package/check"

# Runs inside scripts/with-xvfb.sh, with the fresh root as $2.
if [ "${1:-}" = --under-xvfb ]; then
  root=$2
  source tests/e2e/lib.sh check-package
  # Inside the root: its own home, this display and software GL, and the
  # PATH a desktop session has (with /usr/games).
  in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root DISPLAY="$DISPLAY" LIBGL_ALWAYS_SOFTWARE=1 \
      PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games "$@"
  }
  # launcher_command ID FILE: the launcher's Exec line with FILE for %f.
  launcher_command() {
    local exec
    exec=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$1.desktop")
    [ -n "$exec" ] || fail "no Exec line in $1.desktop"
    echo "${exec//%f/$2}"
  }
  window_shot() {
    import -window "$1" "$shots/$2"
    echo "check-package: wrote $shots/$2"
  }
  mkdir -p "$shots"

  step "Brask from its launcher on the first course, then closed with Escape"
  command=$(launcher_command brask /usr/share/brask/courses/01-first-roll.hfd)
  echo "check-package: running \"$command\" in the root"
  in_root sh -c "exec $command" >"$WORK/brask.log" 2>&1 &
  PROGRAM_PID=$!
  window=$(wait_window '^Brask \( [0-9]+ Frames/sec \)$')
  sleep 3
  window_shot "$window" brask-installed.png
  echo "check-package: title \"$(xdotool getwindowname "$window")\""
  focus "$window"
  keys Escape
  wait_exit
  cat "$WORK/brask.log"
  [ "$EXIT_STATUS" = 0 ] || fail "brask ended with status $EXIT_STATUS"

  step "Braskit from its launcher on a course, then closed"
  command=$(launcher_command braskit /usr/share/brask/courses/04-terraces.hfd)
  echo "check-package: running \"$command\" in the root"
  in_root sh -c "exec $command" >"$WORK/braskit.log" 2>&1 &
  PROGRAM_PID=$!
  window=$(wait_window ' - Braskit$')
  sleep 2
  window_shot "$window" braskit-installed.png
  echo "check-package: title \"$(xdotool getwindowname "$window")\""
  kill "$PROGRAM_PID"
  wait_exit
  cat "$WORK/braskit.log"
  echo "check-package: both programs ran from the installed package"
  exit 0
fi

deb=${1:-}
if [ -z "$deb" ]; then
  debs=(build-package/brask_*.deb)
  [ -f "${debs[0]}" ] || { echo "check-package: no package; run scripts/package.sh first" >&2; exit 1; }
  deb=${debs[0]}
fi
deb=$(realpath "$deb")

source scripts/fresh-root.sh
make_fresh_root fresh
# The host's Xvfb socket, for the programs inside.
bind /tmp/.X11-unix /tmp/.X11-unix
cp "$deb" "$root/tmp/"

echo "check-package: installing $(basename "$deb") with apt (Depends from the mirror, no Recommends)"
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
  sh -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends /tmp/$(basename "$deb")" \
  >"$roots/apt.log" 2>&1 || { tail -30 "$roots/apt.log" >&2; exit 1; }
echo "check-package: apt set up $(grep -c '^Setting up' "$roots/apt.log") packages: brask and what it depends on (log: $roots/apt.log)"

echo "check-package: the installed package"
chroot "$root" dpkg -s brask | sed -n 's/^\(Version\|Status\): /  \1: /p'
chroot "$root" dpkg -L brask | grep -E '^/usr/(games/|share/applications/|share/man/man6/|share/brask/courses/.)' | sed 's/^/  /'
[ -e "$root/usr/share/mime/application/x-brask-course.xml" ] \
  && echo "check-package: the MIME database knows application/x-brask-course" \
  || { echo "check-package: the MIME trigger did not register the course type" >&2; exit 1; }

echo "check-package: starting both programs under Xvfb"
bash scripts/with-xvfb.sh bash "$0" --under-xvfb "$root"
