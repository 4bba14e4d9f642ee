#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/test-budget.sh
bash scripts/check-walls.sh
echo "test: checking packages"
bash scripts/install-deps.sh
bash scripts/build.sh
echo "test: running the test suite"
bash scripts/with-xvfb.sh ctest --test-dir build --output-on-failure -j2
bash scripts/test-sanitized.sh
bash scripts/fuzz.sh --seconds 15
