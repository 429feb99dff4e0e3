#!/usr/bin/env bash
# Builds all three flavours and runs every test: the native unit suite, each fuzz target for
# a few seconds from its seeds, the Windows suite under Wine, the 32-bit suites under Wine's
# WoW64 mode, the check of the release bundle, and its installer package under Wine's
# msiexec. Exits non-zero on any failure.
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

rm -rf build/native/results build/win64/results build/win32/results build/fuzz/summary.txt

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

echo "== 32-bit suites (WoW64)"
# Their own prefix: it must have been made with Wine's 32-bit libraries in place.
if lumo_wine_start "$root/build/win32" --wow64; then
  ctest --test-dir build/win32 --output-on-failure || status=1
else
  echo "Wine cannot run 32-bit programs: the 32-bit suites did not run" >&2
  status=1
fi
lumo_wine_stop
trap - EXIT

echo "== release bundle"
mkdir -p build/win32/results
rm -f build/win32/Lumo-*-win32.zip build/win32/Lumo-*-x86.msi
bundle_status=1
if cmake --build --preset win32 --target package; then
  "$root/scripts/check-bundle.sh" build/win32/Lumo-*-win32.zip && bundle_status=0
fi
echo "$bundle_status" >build/win32/results/bundle_check.status

echo "== installer package under Wine's msiexec"
# Its own fresh prefix and Wine session: the x86 package needs no 32-bit code to install.
rm -f build/win32/results/installer.xml
if [ "$bundle_status" -eq 0 ]; then
  "$root/tests/installer/msi-test.sh" build/win32/Lumo-*-win32.zip \
    build/win32/results/installer.xml || status=1
fi

"$root/scripts/summarize-results.sh" build/native/results/unit_suite.xml \
  build/win64/results/wine_suite.xml build/win32/results/unit_suite_32.xml \
  build/win32/results/bindings_32.xml build/win32/results/bundle_check.status \
  build/win32/results/installer.xml || status=1
cat build/fuzz/summary.txt 2>/dev/null || { echo "fuzz: no results"; status=1; }
exit $status
