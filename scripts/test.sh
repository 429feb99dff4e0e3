#!/usr/bin/env bash
# Builds all three flavours and runs every test: the native unit suite, each fuzz target for
# a few seconds from its seeds, and the Windows suite under Wine. Exits non-zero on any
# failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"

jobs=$(nproc)
for preset in native win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
cmake --build build/win64 --target lumo_win_tests -j "$jobs"

status=0
echo "== format check"
"$root/scripts/format.sh" --check || { echo "format check failed: run scripts/format.sh" >&2; status=1; }

rm -rf build/native/results build/win64/results build/fuzz/summary.txt

echo "== native suite"
ctest --test-dir build/native --output-on-failure || status=1

echo "== fuzz targets, 3 seconds each"
"$root/scripts/fuzz.sh" 3 || status=1

echo "== wine suite"
# shellcheck source=wine-harness.sh
source "$root/scripts/wine-harness.sh"
trap lumo_wine_stop EXIT
if lumo_wine_start "$root/build/win64"; then
  ctest --test-dir build/win64 --output-on-failure || status=1
else
  echo "Wine could not be started: the Windows suite did not run" >&2
  status=1
fi
lumo_wine_stop
trap - EXIT

"$root/scripts/summarize-results.sh" build/native/results/unit_suite.xml \
  build/win64/results/wine_suite.xml || status=1
cat build/fuzz/summary.txt 2>/dev/null || { echo "fuzz: no results"; status=1; }
exit $status
