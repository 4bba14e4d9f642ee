#!/usr/bin/env bash
# Installs what building and running the programs needs, builds the game and
# the editor, and starts the game: on the first course, or as
#   play.sh COURSE.hfd
# on the course named (the arguments go to the game as they are).
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
root=$PWD
echo "play: checking packages"
bash scripts/install-deps.sh play
bash scripts/build.sh --programs
echo "play: starting the game"
# From where the script was started, so that a course named relative to it is found.
cd "$here"
[ $# -gt 0 ] || set -- "$root/courses/01-first-roll.hfd"
exec "$root/build/bin/Brask" "$@"
