#!/usr/bin/env bash
# Builds the win64 flavour and runs Lumo under Wine beside the register stand-in, with the
# recording cts4r.dll: every call the announcer receives is printed as it happens.
#   ./scripts/demo.sh               until Ctrl+C
#   ./scripts/demo.sh --seconds N   for N seconds
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=0
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=${2:?--seconds needs a number}; shift 2 ;;
    *) echo "usage: $0 [--seconds N]" >&2; exit 2 ;;
  esac
done

"$root/scripts/install-deps.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j 2 --target Lumo register-sim cts4r hooker

# shellcheck source=wine-harness.sh
source "$root/scripts/wine-harness.sh"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  lumo_wine_stop
}
trap cleanup EXIT
trap 'exit 0' INT TERM
lumo_wine_start "$root/build/win64"

# A program directory as on a till: Lumo.exe, its two DLLs and the screen definition.
bin="$root/build/win64/bin"
dir="$root/build/win64/demo"
rm -rf "$dir"
mkdir -p "$dir"
cp "$bin/Lumo.exe" "$bin/hooker.dll" "$bin/cts4r.dll" "$root/demo/Lumo.sdf" "$dir/"
cp "$bin/register-sim.exe" "$dir/"
record="$dir/announcer.log"   # where the stand-in driver writes beside itself
unset LUMO_ANNOUNCER_LOG
: >"$record"

log="$dir/wine.log"
(cd "$dir" && exec "$LUMO_WINE" "$dir/Lumo.exe" >>"$log" 2>&1 </dev/null) &
pids+=($!)
# Lumo goes into the notification area after 200 ms; the register window that shows after
# that is the one in front, and automatic monitoring attaches to it.
sleep 2
(cd "$dir" && exec "$LUMO_WINE" "$dir/register-sim.exe" >>"$log" 2>&1 </dev/null) &
pids+=($!)

echo "Lumo and register-sim are running; what the announcer receives:"
# Record lines carry GBK bytes as \xHH escapes: shown here as readable text.
tail -n +1 -F "$record" 2>/dev/null | python3 -u -c '
import re, sys
for line in sys.stdin:
    raw = re.sub(rb"\\x([0-9A-Fa-f]{2})", lambda m: bytes([int(m.group(1), 16)]),
                 line.rstrip("\n").encode("latin-1", "replace"))
    print(raw.decode("gbk", "replace"), flush=True)
' &
pids+=($!)

if [ "$seconds" -gt 0 ]; then
  sleep "$seconds"
else
  wait "${pids[0]}" || true
fi
