#!/usr/bin/env bash
# The tills' Windows Installer package under Wine's msiexec, in a fresh prefix: refusals, a
# silent installation with settings, an upgrade over a till's own files, a rebuild of the
# same version, a refused downgrade and the uninstallation. The 64-bit Wine installs the x86 package without running 32-bit
# code. Writes one GoogleTest-style result file with a case per story.
# Usage: msi-test.sh <Lumo-<version>-win32.zip> <result.xml>
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
zip=$(realpath "$1")
result=$2
name=$(basename "$zip" .zip)
version=${name#Lumo-}
version=${version%-win32}
msi="$(dirname "$zip")/Lumo-$version-x86.msi"
IFS=. read -r major minor patch <<<"$version"
newer_version="$major.$minor.$((patch + 1))"

work="$root/build/win32/msi-test"
rm -rf "$work"
mkdir -p "$work" "$(dirname "$result")"
(cd "$work" && cmake -E tar xf "$zip")
bundle="$work/$name"

# shellcheck source=../../scripts/wine-harness.sh
source "$root/scripts/wine-harness.sh"
trap lumo_wine_stop EXIT
lumo_wine_start "$work" || exit 1
till="$WINEPREFIX/drive_c/Lumo"
settings='HKLM\Software\Wow6432Node\K&V\Lumo'
run_key='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Run'

windows_path() { local p=${1//\//\\}; echo "Z:$p"; }
# msiexec <log name> <arguments...>: its exit code; the verbose log lies in the work folder.
msiexec() {
  local log="$work/$1.log"
  shift
  "$LUMO_WINE" msiexec "$@" /l*v "$(windows_path "$log")" >/dev/null 2>&1 </dev/null
}
# The data of one registry value, empty when there is none.
reg_value() {
  "$LUMO_WINE" reg query "$1" /v "$2" 2>/dev/null </dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
tree() { (cd "$1" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort); }

cases=()
failures=()
problems=""
expect() { # expect <what> <command...>
  local what=$1
  shift
  "$@" || problems+="$what"$'\n'
}
story() { # story <name> <function>
  problems=""
  "$2"
  cases+=("$1")
  failures+=("$problems")
  [ -z "$problems" ] && echo "installer: $1 passed" || printf 'installer: %s FAILED\n%s' "$1" "$problems"
}
same() { [ "$1" = "$2" ] || { echo "  expected '$2', got '$1'" >&2; return 1; }; }
logged() { grep -aqF "$2" "$work/$1.log"; }

refused_program_files() {
  local dir n=0
  for dir in 'C:\Program Files\Lumo' 'c:\program files (x86)\Lumo\' 'C:\Program Files'; do
    n=$((n + 1))
    ! msiexec "pf$n" /i "$(windows_path "$msi")" /qn "INSTALLDIR=$dir"
    expect "INSTALLDIR=$dir was not refused" [ $? -eq 0 ]
    # Wine's quiet log names the refusing action but not its message.
    expect "INSTALLDIR=$dir: not refused for Program Files" logged "pf$n" RefuseProgramFiles
  done
  expect "a refused installation left files" [ -z "$(ls -A "$WINEPREFIX/drive_c/Program Files"/Lumo* \
    "$WINEPREFIX/drive_c/Program Files (x86)"/Lumo* 2>/dev/null)" ]
  ! msiexec settings /i "$(windows_path "$msi")" /qn COMPORT=12
  expect "COMPORT=12 was not refused" [ $? -eq 0 ]
  expect "COMPORT=12: not refused for its value" logged settings RefuseSettings
  expect "a refused installation wrote settings" same "$(reg_value "$settings" Comport)" ""
  expect "a refused installation made the folder" [ ! -e "$till" ]
}

silent_install() {
  expect "the installation failed" msiexec install /i "$(windows_path "$msi")" /qn COMPORT=3 LOGON=1
  expect "the folder is not the bundle's" diff -r "$bundle" "$till"
  expect "Comport" same "$(reg_value "$settings" Comport)" 0x3
  expect "AutoStart" same "$(reg_value "$settings" AutoStart)" 0x1
  expect "UseComport" same "$(reg_value "$settings" UseComport)" 0x0
  expect "the settings went to the 64-bit view" \
    same "$(reg_value 'HKLM\Software\K&V\Lumo' Comport)" ""
  expect "the Run entry" same "$(reg_value "$run_key" Lumo)" '"C:\Lumo\Lumo.exe"'
}

site_files_survive_upgrade() {
  # What a till makes its own while in use.
  printf '; edited at the till\r\n' >>"$till/Lumo.sdf"
  printf '[till hotkeys]\r\n' >"$till/Lumo.hkd"
  printf 'BM' >"$till/tmp.bmp"
  printf 'BM' >"$till/ad/offer.bmp"
  printf 'log\r\n' >"$till/Lumo.log"
  cp "$till/Lumo.sdf" "$till/Lumo.hkd" "$work/"
  # The newer package brings hotkeys of its own, which must not replace the till's.
  cp -a "$bundle" "$work/newer"
  printf '[package hotkeys]\r\n' >"$work/newer/Lumo.hkd"
  expect "the newer package was not built" cmake -DLUMO_MSI_FOLDER="$work/newer" \
    -DLUMO_MSI_VERSION="$newer_version" -DLUMO_MSI_OUTPUT="$work/newer.msi" \
    -P "$root/cmake/msi.cmake"
  expect "the upgrade failed" msiexec upgrade /i "$(windows_path "$work/newer.msi")" /qn
  expect "the upgrade replaced Lumo.sdf" cmp "$work/Lumo.sdf" "$till/Lumo.sdf"
  expect "the upgrade replaced Lumo.hkd" cmp "$work/Lumo.hkd" "$till/Lumo.hkd"
  expect "the upgrade lost Lumo.exe" cmp "$bundle/Lumo.exe" "$till/Lumo.exe"
  expect "the upgrade did not keep the settings" same "$(reg_value "$settings" Comport)" 0x3
  expect "the upgrade did not keep the Run entry" \
    same "$(reg_value "$run_key" Lumo)" '"C:\Lumo\Lumo.exe"'
  expect "not one Lumo installed" same "$(installed_versions)" "$newer_version"
}

# A rebuild of the installed version replaces it, keeps the remembered settings not given
# again and takes the ones given.
same_version_rebuild_replaces() {
  expect "the rebuild was not built" cmake -DLUMO_MSI_FOLDER="$work/newer" \
    -DLUMO_MSI_VERSION="$newer_version" -DLUMO_MSI_OUTPUT="$work/rebuild.msi" \
    -P "$root/cmake/msi.cmake"
  expect "the rebuild failed" msiexec rebuild /i "$(windows_path "$work/rebuild.msi")" /qn \
    AUTOSTART=0 LOGON=0
  expect "not one Lumo installed" same "$(installed_versions)" "$newer_version"
  expect "Comport was not kept" same "$(reg_value "$settings" Comport)" 0x3
  expect "AutoStart was not changed" same "$(reg_value "$settings" AutoStart)" 0x0
  expect "LOGON=0 kept the Run entry" same "$(reg_value "$run_key" Lumo)" ""
  expect "the rebuild replaced Lumo.hkd" cmp "$work/Lumo.hkd" "$till/Lumo.hkd"
}

# The versions of every installed product called Lumo, one a line.
installed_versions() {
  local view key
  for view in 'HKLM\Software\Microsoft' 'HKLM\Software\Wow6432Node\Microsoft'; do
    while read -r key; do
      [ "$(reg_value "$key" DisplayName)" = Lumo ] && reg_value "$key" DisplayVersion
    done < <("$LUMO_WINE" reg query "$view\\Windows\\CurrentVersion\\Uninstall" 2>/dev/null \
      </dev/null | tr -d '\r' | grep -i '\\Uninstall\\')
  done
}

downgrade_refused() {
  ! msiexec downgrade /i "$(windows_path "$msi")" /qn
  expect "the downgrade was not refused" [ $? -eq 0 ]
  expect "the newer version was not detected" logged downgrade 'WIX_DOWNGRADE_DETECTED = {'
  expect "the downgrade changed what is installed" same "$(installed_versions)" "$newer_version"
  expect "the downgrade touched the folder" [ -f "$till/Lumo.exe" ]
}

uninstall_keeps_site_files() {
  expect "the uninstallation failed" msiexec uninstall /x "$(windows_path "$work/rebuild.msi")" /qn
  expect "the folder holds more or less than the till's files" same "$(tree "$till")" \
    "$(printf '%s\n' ad ad/offer.bmp Lumo.hkd Lumo.log Lumo.sdf tmp.bmp | LC_ALL=C sort)"
  expect "Lumo.sdf changed" cmp "$work/Lumo.sdf" "$till/Lumo.sdf"
  expect "Lumo.hkd changed" cmp "$work/Lumo.hkd" "$till/Lumo.hkd"
  local value
  for value in Comport AutoStart UseComport; do
    expect "$value stayed" same "$(reg_value "$settings" $value)" ""
  done
  expect "the Run entry stayed" same "$(reg_value "$run_key" Lumo)" ""
  expect "Lumo is still installed" same "$(installed_versions)" ""
}

story RefusesProgramFilesAndBadSettings refused_program_files
story SilentInstallWithSettings silent_install
story SiteFilesSurviveUpgrade site_files_survive_upgrade
story SameVersionRebuildReplaces same_version_rebuild_replaces
story DowngradeRefused downgrade_refused
story UninstallKeepsSiteFiles uninstall_keeps_site_files

failed=0
for problem in "${failures[@]}"; do [ -n "$problem" ] && failed=$((failed + 1)); done
{
  echo '<?xml version="1.0" encoding="UTF-8"?>'
  echo "<testsuites tests=\"${#cases[@]}\" failures=\"$failed\" disabled=\"0\" errors=\"0\" name=\"installer\">"
  echo "  <testsuite name=\"Installer\" tests=\"${#cases[@]}\" failures=\"$failed\">"
  for i in "${!cases[@]}"; do
    if [ -n "${failures[$i]}" ]; then
      echo "    <testcase name=\"${cases[$i]}\"><failure message=\"$(sed 's/&/\&amp;/g; s/</\&lt;/g; s/"/\&quot;/g' <<<"${failures[$i]}" | tr '\n' ';')\"/></testcase>"
    else
      echo "    <testcase name=\"${cases[$i]}\"/>"
    fi
  done
  echo '  </testsuite>'
  echo '</testsuites>'
} >"$result"
[ "$failed" -eq 0 ]
