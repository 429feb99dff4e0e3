#!/usr/bin/env bash
# Installs what building, testing and the demo need on a Debian 12 machine. Idempotent:
# asks apt only for packages that are missing.
set -euo pipefail

packages=(
  cmake make g++ python3 locales ccache
  mingw-w64 wine wine64 xvfb x11-utils fonts-wqy-microhei
  googletest libbenchmark-dev clang-format
  clang libclang-rt-14-dev
  wixl msitools
)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi

# Wine takes code page 936 from LC_ALL=zh_CN.UTF-8; with the locale generated it can also
# name files in Chinese, as a till's folders may be.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

# 32-bit Windows programs (the flavour a till runs) need Wine's 32-bit PE libraries; Wine then
# runs them in its WoW64 mode. Only the Windows-side DLLs of libwine:i386 are taken, of the
# same version as the 64-bit Wine: no 32-bit Linux library is installed. The i386
# architecture is added only for the download and removed again, so that no later apt-get
# install pulls 32-bit packages (wine64 recommends wine32).
wow64_dir=/usr/lib/x86_64-linux-gnu/wine/i386-windows
if [ ! -f "$wow64_dir/ntdll.dll" ] || [ ! -f "$wow64_dir/kernel32.dll" ]; then
  version=$(dpkg-query -W -f='${Version}' libwine:amd64)
  work=$(mktemp -d)
  # apt downloads as its own unprivileged user where that user can write.
  chmod 755 "$work"
  mkdir "$work/deb"
  if id _apt >/dev/null 2>&1; then "${sudo_cmd[@]}" chown _apt "$work/deb"; fi
  added_i386=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    added_i386=1
  fi
  restore_architectures() {
    if [ "$added_i386" -eq 1 ]; then
      "${sudo_cmd[@]}" dpkg --remove-architecture i386
      added_i386=0
    fi
    "${sudo_cmd[@]}" rm -rf "$work"
  }
  trap restore_architectures EXIT
  echo "Adding Wine's 32-bit PE libraries (libwine:i386 $version)"
  "${sudo_cmd[@]}" apt-get update -q
  (cd "$work/deb" && apt-get download -q "libwine:i386=$version")
  dpkg-deb -x "$work"/deb/libwine_*_i386.deb "$work/root"
  src="$work/root/usr/lib/i386-linux-gnu/wine/i386-windows"
  [ -f "$src/ntdll.dll" ] || { echo "libwine:i386 holds no i386-windows/ntdll.dll" >&2; exit 1; }
  "${sudo_cmd[@]}" mkdir -p "$wow64_dir"
  # ntdll.dll last: its presence is what says the set is complete.
  find "$src" -maxdepth 1 -type f ! -name ntdll.dll -exec "${sudo_cmd[@]}" cp -p {} "$wow64_dir/" \;
  "${sudo_cmd[@]}" cp -p "$src/ntdll.dll" "$wow64_dir/"
  restore_architectures
  trap - EXIT
fi
