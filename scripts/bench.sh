#!/usr/bin/env bash
# Builds and runs every benchmark; each prints one line per figure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
echo "bench: running benchmarks"
run_all() {
  for b in build/bench/*; do
    [ -f "$b" ] && [ -x "$b" ] || continue
    "$b" --benchmark_format=console
  done
  for s in bench/*.sh; do
    [ -e "$s" ] || continue
    bash "$s"
  done
}
bash scripts/with-xvfb.sh bash -c "$(declare -f run_all); run_all"
