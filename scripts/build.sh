#!/usr/bin/env bash
# Configures and builds into build/ (programs in build/bin):
#   build.sh              everything, tests included
#   build.sh --programs   only the game and the editor, as playing needs
# Further arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=() testing=(-DBUILD_TESTING=ON)
if [ "${1:-}" = --programs ]; then
  shift
  targets=(--target brask_game brask_editor)
  # A first configure leaves the tests out, so that no test library is
  # needed; a build tree that has them keeps them.
  testing=()
  [ -f build/CMakeCache.txt ] || testing=(-DBUILD_TESTING=OFF)
fi
echo "build: configuring build/"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${testing[@]}" "$@" >/dev/null
echo "build: compiling"
cmake --build build -j"$(nproc)" "${targets[@]}"
