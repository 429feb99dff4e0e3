#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan, UBSan) and runs each for the given number of
# seconds (default 60), starting from its seeds in tests/fuzz/seeds/<target>/. Fails on any
# finding; the input that found it is kept in build/fuzz/findings/. New inputs the fuzzer
# keeps go to build/fuzz/runs/, never into the seeds.
#
# A seed listed in tests/fuzz/open-findings is a known fault not mended yet: it must still
# fail when run alone, and it stays out of the fuzzing. Once it passes, take it off the list.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}

"$root/scripts/install-deps.sh"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 >/dev/null

runs=build/fuzz/runs
findings=build/fuzz/findings
rm -rf "$runs" "$findings"
mkdir -p "$runs" "$findings"
status=0
summary=()
for seeds in tests/fuzz/seeds/*/; do
  target=$(basename "$seeds")
  program=build/fuzz/bin/fuzz_$target
  mkdir -p "$runs/$target"
  open=0
  for seed in "$seeds"*; do
    if grep -qxF "$target/$(basename "$seed")" tests/fuzz/open-findings 2>/dev/null; then
      if "$program" -timeout=3 "$seed" >"$runs/$target.open.log" 2>&1; then
        echo "fuzz_$target: $seed passes now: take it off tests/fuzz/open-findings" >&2
        status=1
      else
        open=$((open + 1))
      fi
    else
      cp "$seed" "$runs/$target/"
    fi
  done
  log=$runs/$target.log
  if "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" "$runs/$target" >"$log" 2>&1; then
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    note=""
    [ "$open" -gt 0 ] && note="; $open open finding(s) still fail"
    summary+=("fuzz_$target: $executed inputs, no finding$note")
  else
    tail -n 40 "$log" >&2
    summary+=("fuzz_$target: FINDING, input in $findings/")
    status=1
  fi
done
printf '%s\n' "${summary[@]}" | tee build/fuzz/summary.txt
exit $status
