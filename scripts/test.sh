#!/usr/bin/env bash
# Builds all three flavours and runs every test: the native unit suite, each fuzz target for
# a few seconds from its seeds, the Windows suite under Wine, the 32-bit suites under Wine's
# WoW64 mode (skipped, and counted so, on a machine whose kernel runs no 32-bit code), the
# check of the release bundle, and its installer package under Wine's msiexec. Exits
# non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# A shell that started while the locale archive did not exist yet never looks for it again
# (glibc remembers the failed open), so it could not switch to the Chinese locale that
# install-deps.sh generates: go on in a fresh shell.
if [ -z "${LUMO_DEPS_INSTALLED:-}" ]; then
  "$root/scripts/install-deps.sh"
  LUMO_DEPS_INSTALLED=1 exec bash "$root/scripts/test.sh" "$@"
fi

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
ctest --test-dir build/native --output-on-failure -LE scripts || status=1
mkdir -p build/native/results
scripts_status=0
ctest --test-dir build/native --output-on-failure -L scripts || scripts_status=1
echo "$scripts_status" >build/native/results/script_checks.status

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
wow64_results=(build/win32/results/unit_suite_32.xml build/win32/results/bindings_32.xml)
mkdir -p build/win32/results
# Some kernels run no 32-bit code at all, and then neither does Wine: nothing the project can
# mend, so the suites are skipped and counted so. Where the probe says yes or cannot tell,
# the suites run, and a broken WoW64 setup fails the run.
probe_status=0
cpu32_verdict=$(build/native/bin/cpu32_probe) || probe_status=$?
if [ "$probe_status" -eq 1 ]; then
  echo "32-bit suites skipped: $cpu32_verdict"
  for result in "${wow64_results[@]}"; do echo "$cpu32_verdict" >"${result%.xml}.skipped"; done
else
  echo "32-bit probe: $cpu32_verdict"
  # Their own prefix: it must have been made with Wine's 32-bit libraries in place.
  if lumo_wine_start "$root/build/win32" --wow64; then
    ctest --test-dir build/win32 --output-on-failure || status=1
  else
    echo "Wine cannot run 32-bit programs: the 32-bit suites did not run" >&2
    status=1
  fi
  lumo_wine_stop
fi
trap - EXIT

echo "== release bundle"
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

cat build/fuzz/summary.txt 2>/dev/null || { echo "fuzz: no results"; status=1; }
"$root/scripts/summarize-results.sh" build/native/results/unit_suite.xml \
  build/native/results/script_checks.status build/win64/results/wine_suite.xml \
  "${wow64_results[@]}" build/win32/results/bundle_check.status \
  build/win32/results/installer.xml || status=1
exit $status
