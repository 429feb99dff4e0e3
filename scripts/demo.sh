#!/usr/bin/env bash
# Builds the win64 flavour and runs Lumo under Wine beside the register stand-in.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)"
# shellcheck source=wine-harness.sh
source "$root/scripts/wine-harness.sh"
trap lumo_wine_stop EXIT
lumo_wine_start "$root/build/win64"
echo "Lumo.exe built in build/win64/bin; the demo grows as the program does."
