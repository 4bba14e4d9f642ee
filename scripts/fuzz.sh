#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each one, or the ones named, for a
# fixed time.
#
#   scripts/fuzz.sh [--seconds N] [--merge] [target...] [-- libFuzzer flags...]
#
# Targets: course_open, editor_input, ball_step (default: all, one after the
# other, N seconds each; default N is 60). Each run starts from the
# committed corpus (fuzz/corpus/<target>/) and the inputs that once failed
# (fuzz/regressions/<target>/). New inputs go to
# build-fuzz/runs/<target>/corpus/, failing ones to
# build-fuzz/runs/<target>/artifacts/. --merge then minimises the committed
# corpus together with the new inputs, in place. Exits non-zero when a
# target fails; copy the failing input into fuzz/regressions/<target>/ once
# the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(course_open editor_input ball_step)
seconds=60
merge=0
targets=()
extra=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --merge) merge=1; shift ;;
    --) shift; extra=("$@"); break ;;
    -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done
[[ ${#targets[@]} -gt 0 ]] || targets=("${all_targets[@]}")
for t in "${targets[@]}"; do
  if [[ ! " ${all_targets[*]} " == *" $t "* ]]; then
    echo "fuzz: no target named $t (targets: ${all_targets[*]})" >&2
    exit 2
  fi
done

build=build-fuzz
if ! grep -q '^BRASK_FUZZ:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  echo "fuzz: configuring $build/ with clang"
  CC=clang CXX=clang++ cmake -S . -B "$build" -DBRASK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
echo "fuzz: compiling ${targets[*]}"
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}" >/dev/null

failed=()
for t in "${targets[@]}"; do
  runs="$build/runs/$t"
  mkdir -p "$runs/corpus" "$runs/artifacts"
  echo "fuzz: running $t for ${seconds}s"
  # The first folder is the only one the fuzzer writes to.
  if ! "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$runs/artifacts/" "${extra[@]}" \
       "$runs/corpus" "fuzz/corpus/$t" "fuzz/regressions/$t" >"$runs/log" 2>&1; then
    tail -n 60 "$runs/log" >&2
    echo "fuzz: $t FAILED; input in $runs/artifacts/, log in $runs/log" >&2
    failed+=("$t")
    continue
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$runs/log" | sed "s/^/fuzz: $t /"
  if [[ $merge -eq 1 ]]; then
    echo "fuzz: minimising fuzz/corpus/$t with the new inputs"
    merged="$runs/merged"
    rm -rf "$merged"
    mkdir -p "$merged"
    "$build/fuzz/$t" -merge=1 "${extra[@]}" "$merged" "fuzz/corpus/$t" "$runs/corpus" >"$runs/merge.log" 2>&1
    rm -f "fuzz/corpus/$t"/*
    cp "$merged"/* "fuzz/corpus/$t/"
    echo "fuzz: fuzz/corpus/$t now holds $(ls "fuzz/corpus/$t" | wc -l) inputs, $(du -sk "fuzz/corpus/$t" | cut -f1) KB"
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: no faults found"
