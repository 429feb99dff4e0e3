#!/usr/bin/env bash
# The closing summary of the test command, fed made-up results: suites skipped on a machine
# that runs no 32-bit code count as skipped and do not fail the run; a suite that left no
# results and no reason still fails it.
set -uo pipefail
summarize="$(dirname "$0")/../../scripts/summarize-results.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

suite_xml() { # name tests failures
  printf '<?xml version="1.0"?>\n<testsuites tests="%s" failures="%s" disabled="0" errors="0">\n</testsuites>\n' \
    "$2" "$3" >"$work/$1.xml"
}

# check NAME EXPECTED_CLOSING_LINE EXPECTED_EXIT RESULT_FILE...
check() {
  local name=$1 expected_line=$2 expected_exit=$3
  shift 3
  local output exit_code=0
  output=$("$summarize" "$@") || exit_code=$?
  local last
  last=$(printf '%s\n' "$output" | tail -n 1)
  if [ "$last" != "$expected_line" ] || [ "$exit_code" != "$expected_exit" ]; then
    echo "FAIL $name: got '$last' (exit $exit_code), want '$expected_line' (exit $expected_exit)"
    printf '%s\n' "$output" | sed 's/^/    /'
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

suite_xml native 12 0
suite_xml wine 5 0
suite_xml broken 4 1
echo 0 >"$work/bundle.status"
echo "no: this machine's kernel runs no 32-bit code" >"$work/unit_32.skipped"
echo "no: this machine's kernel runs no 32-bit code" >"$work/bindings_32.skipped"

check "32-bit suites skipped" "18 passed, 0 failed, 2 skipped" 0 \
  "$work/native.xml" "$work/wine.xml" "$work/unit_32.xml" "$work/bindings_32.xml" "$work/bundle.status"
check "skipped beside a failure" "3 passed, 1 failed, 1 skipped" 1 \
  "$work/broken.xml" "$work/unit_32.xml"
check "missing without a reason" "12 passed, 1 failed, 0 skipped" 1 \
  "$work/native.xml" "$work/absent.xml"
cp "$work/wine.xml" "$work/unit_32.xml"
check "results present, reason ignored" "5 passed, 0 failed, 0 skipped" 0 "$work/unit_32.xml"
line=$("$summarize" "$work/bindings_32.xml" | head -n 1)
[ "$line" = "bindings_32: skipped: no: this machine's kernel runs no 32-bit code" ] ||
  { echo "FAIL skipped suite's line: '$line'"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ]
