#!/usr/bin/env bash
# Builds the win64 flavour and tells a till's story under Wine: Lumo beside the register
# stand-in, through a short scripted sale. Each step says what changed on the register,
# then what the announcer said and showed, its pictures as braille text. The stand-in
# driver also shows the announcer in a window, for a person at a desktop. Ends by itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ $# -eq 0 ] || { echo "usage: $0" >&2; exit 2; }

# A shell that started while the locale archive did not exist yet never looks for it again
# (glibc remembers the failed open), so it could not switch to the Chinese locale that
# install-deps.sh generates: go on in a fresh shell.
if [ -z "${LUMO_DEPS_INSTALLED:-}" ]; then
  "$root/scripts/install-deps.sh"
  LUMO_DEPS_INSTALLED=1 exec bash "$root/scripts/demo.sh" "$@"
fi
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j 2 --target Lumo register-sim cts4r hooker till-remote

# shellcheck source=wine-harness.sh
source "$root/scripts/wine-harness.sh"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  lumo_wine_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM
lumo_wine_start "$root/build/win64"

# A program directory as on a till: Lumo.exe, its two DLLs, the screen definition and the
# hotkey file; beside them the register stand-in and the demo's hands at the till.
bin="$root/build/win64/bin"
dir="$root/build/win64/demo"
rm -rf "$dir"
mkdir -p "$dir"
cp "$bin/Lumo.exe" "$bin/hooker.dll" "$bin/cts4r.dll" "$root/demo/Lumo.sdf" "$dir/"
cp "$bin/register-sim.exe" "$bin/till-remote.exe" "$dir/"
record="$dir/announcer.log"   # where the stand-in driver writes beside itself
state="$dir/announcer.shown"  # how far the record has been printed
log="$dir/wine.log"
unset LUMO_ANNOUNCER_LOG
export LUMO_ANNOUNCER_WINDOW=1
: >"$record"
rm -f "$state"

wine_in_dir() { (cd "$dir" && "$LUMO_WINE" "$@" </dev/null 2>>"$log"); }
remote() { wine_in_dir till-remote.exe "$@"; }
start_in_dir() {
  (cd "$dir" && exec "$LUMO_WINE" "$@" >>"$log" 2>&1 </dev/null) &
  pids+=($!)
}
# The register stand-in with its amount due, total and change; it comes to the front.
open_register() {
  start_in_dir register-sim.exe --text "1001=$1" --text "1002=$2" --text "1003=$3"
}
step() {
  printf '\n== %s\n' "$1"
  shift
  "$@"
  python3 "$root/scripts/announcer-calls.py" "$record" "$state"
}

# Ctrl+Alt+F7 shows and speaks the amount due, the register window's second control.
remote hotkey-file Lumo.hkd Ctrl+Alt+F7 "应付金额" "Display=~应付 %2^Speak=请付%2元"
start_in_dir Lumo.exe
sleep 2  # Lumo goes into the notification area; the register that opens next is in front
echo "Lumo runs in the notification area with demo/Lumo.sdf and one hotkey, Ctrl+Alt+F7."

step "A new sale: the register opens with amount due 0.00, total 0.00, change 0.00" \
  open_register 0.00 0.00 0.00
step "An item is scanned: amount due 12.50, total 12.50" remote set 1001 12.50 1002 12.50
step "A second item: amount due 36.80, total 36.80" remote set 1001 36.80 1002 36.80
step "The cashier presses Ctrl+Alt+F7 (show and speak the amount due)" remote press Ctrl+Alt+F7
step "The customer pays 50.00: amount due 0.00, change 13.20" remote set 1001 0.00 1003 13.20
step "The register closes" remote close
step "The register opens again for the next sale" open_register 0.00 0.00 0.00

cat <<EOF

The story is over. What the announcer received, one line per call:
  $record
The pictures it was given, copied beside the record, each with its braille text:
  $dir/announcer.log.NNNN.bmp and .txt
EOF
