#!/usr/bin/env bash
# Prints one line per result file and a closing total: GoogleTest XML files, and "<name>.status"
# files holding the exit code of a single check (0 = passed). A missing file counts as a
# failure: a suite that did not run must never look like a suite that passed, unless a
# "<name>.skipped" file beside it gives the reason it could not run on this machine.
set -uo pipefail
total_pass=0
total_fail=0
total_skip=0
status=0
attr() { sed -n "s/.*<testsuites[^>]* $1=\"\([0-9]*\)\".*/\1/p" "$2" | head -n 1; }
for file in "$@"; do
  name=$(basename "$(basename "$file" .xml)" .status)
  skipped_because="${file%.*}.skipped"
  if [ ! -f "$file" ] && [ -f "$skipped_because" ]; then
    echo "$name: skipped: $(head -n 1 "$skipped_because")"
    total_skip=$((total_skip + 1))
    continue
  fi
  if [ ! -f "$file" ]; then
    echo "$name: no results"
    total_fail=$((total_fail + 1))
    status=1
    continue
  fi
  if [[ "$file" == *.status ]]; then
    if [ "$(cat "$file")" = 0 ]; then
      echo "$name: 1 passed, 0 failed"
      total_pass=$((total_pass + 1))
    else
      echo "$name: 0 passed, 1 failed"
      total_fail=$((total_fail + 1))
      status=1
    fi
    continue
  fi
  tests=$(attr tests "$file")
  failures=$(attr failures "$file")
  errors=$(attr errors "$file")
  disabled=$(attr disabled "$file")
  skipped=$(grep -c '<skipped' "$file" || true)
  failed=$((failures + errors))
  passed=$((tests - failed - disabled - skipped))
  echo "$name: $passed passed, $failed failed"
  total_pass=$((total_pass + passed))
  total_fail=$((total_fail + failed))
  [ "$failed" -gt 0 ] && status=1
  [ "$tests" -eq 0 ] && status=1
done
echo "$total_pass passed, $total_fail failed, $total_skip skipped"
exit $status
