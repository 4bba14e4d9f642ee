#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite from there under a private Xvfb,
# leaks checked. Every sanitizer report goes to a log folder, also those of
# the programs the end-to-end tests start (whose output those tests keep to
# themselves), and any report there fails the run, whatever ctest said.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=build-asan
logs=$root/$build/sanitizer-logs
# Full reports printed at the end; the rest stay in $logs.
max_printed_reports=5

started=$SECONDS

# elapsed SINCE: minutes and seconds from SINCE (a $SECONDS value) to now.
elapsed() {
  local s=$(( SECONDS - $1 ))
  printf '%d:%02d' $(( s / 60 )) $(( s % 60 ))
}

# stage NAME COMMAND...: runs one step of the run, saying which and how long
# it took; a failing step fails the run at once.
stage() {
  local name=$1 begun=$SECONDS
  shift
  echo "sanitize: $name"
  if ! "$@"; then
    echo "sanitize: FAILED while $name (after $(elapsed "$begun"))" >&2
    exit 1
  fi
  echo "sanitize: $name took $(elapsed "$begun")"
}

# Clang: its AddressSanitizer and UndefinedBehaviorSanitizer share one
# runtime, so both write their reports to the log folder. GCC's separate
# UBSan runtime ignores log_path and writes to stderr, which the end-to-end
# tests keep to themselves.
if ! command -v clang++ >/dev/null; then
  echo "sanitize: clang++ is not installed (run scripts/install-deps.sh)" >&2
  exit 1
fi
# The runtime names the functions in its reports with llvm-symbolizer (the
# leak suppressions match on those names); without it every report, and
# every process that merely starts, leaves a complaint in the log folder.
symbolizer=$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer || true)
if [ -z "$symbolizer" ]; then
  echo "sanitize: llvm-symbolizer is not installed (run scripts/install-deps.sh)" >&2
  exit 1
fi
# CMake takes the compiler only when it first configures a folder; a
# compiler change later would reset the cache and drop the options below.
cache=$build/CMakeCache.txt
if [ -f "$cache" ] && ! grep -Eq '^CMAKE_CXX_COMPILER:[A-Z]+=(.*/)?clang\+\+$' "$cache"; then
  echo "sanitize: $build/ was configured with another compiler; starting it afresh"
  rm -rf "$build"
fi
stage "configuring $build/" \
  env CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRASK_SANITIZE=ON
if ! grep -q '^BRASK_SANITIZE:BOOL=ON$' "$cache"; then
  echo "sanitize: FAILED: $build/ is not configured with BRASK_SANITIZE=ON" >&2
  exit 1
fi
stage "compiling" cmake --build "$build" -j"$(nproc)"

rm -rf "$logs"
mkdir -p "$logs"
# Reports of all three go to files named after the program and its process
# id (UBSan takes the log path from ASan's options, as they share a
# runtime). Leak stacks keep the default frame-pointer unwinding: the
# suppression file relies on it (see there).
export ASAN_OPTIONS="external_symbolizer_path=$symbolizer:log_path=$logs/report:log_exe_name=1:halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1"
# GTK's accessibility bridge would look for a bus the test display lacks and
# keep what it allocated on the way (see scripts/lsan.supp).
export NO_AT_BRIDGE=1

tests_passed=true
echo "sanitize: running the test suite"
begun=$SECONDS
if bash scripts/with-xvfb.sh ctest --test-dir "$build" --output-on-failure -j2; then
  echo "sanitize: running the test suite took $(elapsed "$begun")"
else
  tests_passed=false
  echo "sanitize: the test suite FAILED (after $(elapsed "$begun"))" >&2
fi

# Now and then the leak checker's own thread crashes while it stops a
# program with many threads (Mesa's among them) at exit: that report says
# nothing about our code. When such crashes are the only reports, those logs
# are kept aside and the failed tests run once more; a finding, or a test
# that fails again, still fails the run.
tracer_line='Tracer caught signal|LeakSanitizer has encountered a fatal error|HINT: (For debugging|LeakSanitizer does not work)'
if ! $tests_passed; then
  mapfile -t first_reports < <(find "$logs" -type f | sort)
  tracer_only=true
  for report in "${first_reports[@]}"; do
    if ! grep -Eq "$tracer_line" "$report" || grep -Evq "$tracer_line|^[[:space:]]*\$" "$report"; then
      tracer_only=false
    fi
  done
  if (( ${#first_reports[@]} > 0 )) && $tracer_only; then
    aside=$root/$build/sanitizer-logs-tracer-crash
    rm -rf "$aside"
    mv "$logs" "$aside"
    mkdir -p "$logs"
    echo "sanitize: the leak checker itself crashed in ${#first_reports[@]} program(s) (kept in $aside);" \
      "running the failed tests once more"
    if bash scripts/with-xvfb.sh ctest --test-dir "$build" --output-on-failure --rerun-failed; then
      tests_passed=true
    fi
  fi
fi

# A report that holds nothing but the runtime's complaints about its
# symbolizer is a broken tool, not a finding: say so apart.
tool_line='external symbolizer|symbolizer (path|failed)'
mapfile -t all_reports < <(find "$logs" -type f | sort)
reports=()
tool_reports=()
for report in "${all_reports[@]}"; do
  if grep -Evq "$tool_line|^[[:space:]]*\$" "$report"; then
    reports+=("$report")
  else
    tool_reports+=("$report")
  fi
done
if (( ${#tool_reports[@]} > 0 )); then
  echo "sanitize: ${#tool_reports[@]} log(s) only say the runtime could not use $symbolizer:" >&2
  head -3 "${tool_reports[0]}" >&2
fi
if (( ${#reports[@]} > 0 )); then
  echo "sanitize: ${#reports[@]} sanitizer report(s) in $logs:" >&2
  for report in "${reports[@]}"; do
    echo "  $(basename "$report"): $(grep -m1 -E 'ERROR|runtime error|WARNING' "$report" || head -1 "$report")" >&2
  done
  for report in "${reports[@]:0:max_printed_reports}"; do
    echo "==================== $(basename "$report")" >&2
    cat "$report" >&2
  done
  echo "sanitize: FAILED: the sanitizers reported errors (above)" >&2
  exit 1
fi
if (( ${#tool_reports[@]} > 0 )); then
  echo "sanitize: FAILED: the symbolizer did not work, so leaks could not be checked (above)" >&2
  exit 1
fi
if ! $tests_passed; then
  echo "sanitize: FAILED: tests failed under the sanitizers, with no sanitizer report" >&2
  exit 1
fi
echo "sanitize: passed, no sanitizer reports, in $(elapsed "$started")"
