#!/usr/bin/env bash
# Seeds each fault of scripts/mutants.txt into the product code in turn,
# builds, runs the test suite and puts the code back: a fault the suite
# lets through is a gap in it. A tool for whoever changes the tests, not a
# part of the test command; it takes an hour or more.
#
#   bash scripts/mutants.sh [--build DIR] [--list FILE] [--tests REGEX]
#                           [--targets "TARGET..."] [ID...]
#
# --tests runs only the tests whose names match (ctest -R), and --targets
# builds only those targets, to see what one part of the suite catches on
# its own.
# Prints one line per fault (caught by which test, or MISSED) and the same
# table to DIR/mutants-report.txt. Without IDs every fault is tried.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=build-mutants
list=scripts/mutants.txt
only=()
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --list) list=$2; shift 2 ;;
    --tests) only=(-R "$2"); shift 2 ;;
    --targets) read -ra targets <<<"$2"; targets=(--target "${targets[@]}"); shift 2 ;;
    --) shift; break ;;
    -*) echo "mutants: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
wanted=("$@")

# Fields of the list: id, file, text, replacement, what; "\n" in the texts
# stands for a line break.
mapfile -t records < <(grep -v '^#' "$list" | grep -v '^$')

backup=""
backup_of=""
restore() {
  if [ -n "$backup" ]; then
    cp "$backup" "$backup_of"
    rm -f "$backup"
    backup=""
  fi
}
trap restore EXIT INT TERM

# replace FILE FROM TO: exactly one occurrence of FROM becomes TO.
replace() {
  FROM=$2 TO=$3 perl -0777 -i -pe '
    BEGIN { ($f, $t) = map { s/\\n/\n/g; $_ } ($ENV{FROM}, $ENV{TO}); }
    $n = () = /\Q$f\E/g;
    die "found $n times\n" if $n != 1;
    s/\Q$f\E/$t/;
  ' "$1"
}

echo "mutants: configuring $build/"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
echo "mutants: building the unchanged code"
cmake --build "$build" "${targets[@]}" -j"$(nproc)" >/dev/null

report=$build/mutants-report.txt
: >"$report"
caught=0 missed=0 broken=0
for record in "${records[@]}"; do
  IFS=$'\t' read -r id file from to what <<<"$record"
  if [ ${#wanted[@]} -gt 0 ] && [[ " ${wanted[*]} " != *" $id "* ]]; then
    continue
  fi
  backup=$(mktemp)
  backup_of=$file
  cp "$file" "$backup"
  if ! replace "$file" "$from" "$to" 2>"$build/replace.log"; then
    restore
    line="$id: NOT APPLIED ($(cat "$build/replace.log")) - $what"
    broken=$((broken + 1))
  elif ! cmake --build "$build" "${targets[@]}" -j"$(nproc)" >"$build/mutant-build.log" 2>&1; then
    restore
    line="$id: DOES NOT BUILD - $what"
    broken=$((broken + 1))
  else
    # Without the timings of earlier runs ctest keeps the declared order,
    # which puts the quick unit tests first; it stops at the first failure.
    rm -f "$build/Testing/Temporary/CTestCostData.txt"
    if bash scripts/with-xvfb.sh ctest --test-dir "$build" "${only[@]}" --stop-on-failure -j2 >"$build/mutant-test.log" 2>&1; then
      line="$id: MISSED - $what"
      missed=$((missed + 1))
    else
      first=$(grep -m1 -E '\*\*\*(Failed|Timeout|Exception)|\(Failed\)|\(Timeout\)' "$build/mutant-test.log" \
        | sed -E 's/^.*Test +#[0-9]+: ([^ ]+) .*$/\1/' || true)
      line="$id: caught by ${first:-a failing test}"
      caught=$((caught + 1))
    fi
    restore
  fi
  echo "$line" | tee -a "$report"
done
restore
echo "mutants: putting the build back"
cmake --build "$build" "${targets[@]}" -j"$(nproc)" >/dev/null
echo "mutants: $caught caught, $missed missed, $broken not tried (see $report)"
