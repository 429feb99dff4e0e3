#!/usr/bin/env bash
# Installs what building, testing and the demo need on a Debian 12 machine. Idempotent:
# asks apt only for packages that are missing.
set -euo pipefail

packages=(
  cmake make g++ python3 locales
  mingw-w64 wine wine64 xvfb x11-utils fonts-wqy-microhei
  googletest libbenchmark-dev clang-format
  clang libclang-rt-14-dev
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
