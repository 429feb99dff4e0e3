#!/usr/bin/env bash
# Checks the release bundle a till gets: unpacks Lumo-<version>-win32.zip and verifies its
# list of files, that every binary is 32-bit, stripped and marked for Windows 7, that
# Lumo.exe carries its manifest and the version resource of that version, and that it imports
# only system DLLs, the announcer's driver and the hook library. Then the Windows Installer
# package beside it, Lumo-<version>-x86.msi: the same files, byte for byte, and the version.
# Usage: check-bundle.sh <path of the zip>
set -euo pipefail
zip=$(realpath "$1")
name=$(basename "$zip" .zip)
version=${name#Lumo-}
version=${version%-win32}
triple=i686-w64-mingw32

problems=0
fail() {
  echo "bundle check: $*" >&2
  problems=$((problems + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")
root="$work/$name"

entries=$(ls -A "$work")
[ "$entries" = "$name" ] || fail "the zip holds $entries instead of one folder $name"
# A chain's own bundle may bring its hotkey file.
hotkeys=""
[ -f "$root/Lumo.hkd" ] && hotkeys=$'\nLumo.hkd'
expected=$(LC_ALL=C sort -f <<<"ad
docs
docs/integrating.md
hooker.dll
lumo-inspect.exe
Lumo.exe
Lumo.sdf
README.txt$hotkeys")
actual=$(cd "$root" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort -f)
if [ "$actual" != "$expected" ]; then
  fail "the files differ from the expected list:"
  diff <(echo "$expected") <(echo "$actual") >&2 || true
fi

# Windows 7's Notepad shows a text with bare LFs as one long line, and a UTF-8 text without
# its byte-order mark in the ANSI code page; Lumo.sdf is GBK and must have no mark.
for text in README.txt docs/integrating.md Lumo.sdf; do
  file="$root/$text"
  [ -f "$file" ] || continue
  ! LC_ALL=C grep -q $'[^\r]$\|^$' "$file" || fail "$text has lines that do not end in CR LF"
  mark=$(head -c 3 "$file" | od -An -tx1 | tr -d ' ')
  if [ "$text" = Lumo.sdf ]; then
    [ "$mark" != efbbbf ] || fail "$text, a GBK text, starts with a UTF-8 byte-order mark"
  else
    [ "$mark" = efbbbf ] || fail "$text has no UTF-8 byte-order mark"
  fi
done

for binary in Lumo.exe hooker.dll lumo-inspect.exe; do
  file="$root/$binary"
  [ -f "$file" ] || continue
  # Whole outputs first: grep -q on a pipe would cut the writer short.
  headers=$("$triple-objdump" -f -h -p "$file" 2>&1) || {
    fail "$binary is no 32-bit Windows binary"
    continue
  }
  symbols=$("$triple-nm" "$file" 2>&1 || true)
  grep -q 'file format pei-i386' <<<"$headers" || fail "$binary is not 32-bit"
  ! grep -q '\.debug' <<<"$headers" || fail "$binary has debug sections"
  grep -q 'no symbols' <<<"$symbols" || fail "$binary still has its symbols"
  for field in MajorOSystemVersion MajorSubsystemVersion; do
    grep -Eq "^$field[[:space:]]+6$" <<<"$headers" || fail "$binary: $field is not 6"
  done
  for field in MinorOSystemVersion MinorSubsystemVersion; do
    grep -Eq "^$field[[:space:]]+1$" <<<"$headers" || fail "$binary: $field is not 1"
  done
done

lumo="$root/Lumo.exe"
if [ -f "$lumo" ]; then
  allowed=" kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll advapi32.dll msvcrt.dll \
cts4r.dll hooker.dll "
  while read -r dll; do
    [[ "$allowed" == *" ${dll,,} "* ]] || fail "Lumo.exe imports $dll"
  done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$("$triple-objdump" -p "$lumo")")

  resources=$("$triple-windres" -J coff -i "$lumo" -O rc)
  IFS=. read -r major minor patch <<<"$version"
  grep -q "FILEVERSION $major, $minor, $patch, 0" <<<"$resources" ||
    fail "Lumo.exe has no version resource of $version"
  grep -q "VALUE \"FileVersion\", \"$version\"" <<<"$resources" ||
    fail "Lumo.exe's version texts do not say $version"
  grep -q 'requestedExecutionLevel level=""asInvoker""' <<<"$resources" ||
    fail "Lumo.exe's manifest does not ask for asInvoker"
  grep -q '>false</dpiAware>' <<<"$resources" || fail "Lumo.exe's manifest does not say DPI-unaware"
  # Windows 7, 8, 8.1 and 10/11.
  for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
    1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
    grep -q "supportedOS Id=\"\"{$os}\"\"" <<<"$resources" || fail "Lumo.exe's manifest lacks $os"
  done
fi

msi="$(dirname "$zip")/Lumo-$version-x86.msi"
if [ -f "$msi" ]; then
  # The installer makes the empty folder ad itself; every file is the ZIP's.
  mkdir "$work/msi"
  listed=$(msiextract -l "$msi" | tr -d '\r' | LC_ALL=C sort -f)
  files=$(cd "$root" && find . -type f | sed 's|^\./|Lumo/|' | LC_ALL=C sort -f)
  if [ "$listed" != "$files" ]; then
    fail "the MSI's files differ from the zip's:"
    diff <(echo "$files") <(echo "$listed") >&2 || true
  fi
  if msiextract -C "$work/msi" "$msi" >/dev/null; then
    while read -r file; do
      cmp -s "$root/${file#Lumo/}" "$work/msi/$file" || fail "the MSI's $file is not the zip's"
    done <<<"$files"
  else
    fail "msiextract cannot unpack $msi"
  fi
  msi_version=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p')
  [ "$msi_version" = "$version" ] || fail "the MSI has version '$msi_version' instead of $version"
  msi_scope=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ALLUSERS\t//p')
  [ "$msi_scope" = 1 ] || fail "the MSI does not install per machine"
else
  fail "there is no $(basename "$msi") beside the zip"
fi

if [ "$problems" -gt 0 ]; then
  echo "bundle check: $zip has $problems problem(s)" >&2
  exit 1
fi
echo "bundle check: $zip and $(basename "$msi") are as a till needs them"
