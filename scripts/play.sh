#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game on the first course.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "play: checking packages"
bash scripts/install-deps.sh
bash scripts/build.sh
echo "play: starting the game"
exec build/bin/Brask courses/01-first-roll.hfd "$@"
