#!/usr/bin/env bash
# Sourced by test.sh and demo.sh. lumo_wine_start BUILD_DIR [--wow64] prepares a throwaway
# prefix in the build tree with code page 936, starts Xvfb when there is no display, and keeps
# one wineserver alive; with --wow64 the prefix must also run 32-bit programs (Wine's WoW64
# mode), or the start fails. lumo_wine_stop ends exactly what lumo_wine_start started.

LUMO_WINE=/usr/lib/wine/wine64
LUMO_WINESERVER=/usr/lib/wine/wineserver
LUMO_XVFB_PID=""

lumo_wine_fail() {
  echo "wine harness: $*" >&2
  [ -n "${LUMO_WINE_LOG:-}" ] && [ -f "$LUMO_WINE_LOG" ] && tail -n 30 "$LUMO_WINE_LOG" >&2
  return 1
}

# Wine's menu, message and status fonts ("MS Shell Dlg", which the prefix substitutes by
# SimSun) do not exist here, and what Wine falls back to has no Chinese glyphs: menus show
# boxes. A replacement makes SimSun the installed Chinese font. Added to any prefix that
# lacks it, new or old.
LUMO_CHINESE_FONT="WenQuanYi Micro Hei"
lumo_wine_fonts() {
  grep -qF "\"SimSun\"=\"$LUMO_CHINESE_FONT\"" "$WINEPREFIX/user.reg" 2>/dev/null && return 0
  "$LUMO_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /d "$LUMO_CHINESE_FONT" \
    /f >>"$LUMO_WINE_LOG" 2>&1 </dev/null
}

# Everything Wine starts in the background keeps our stdout/stderr; give it a file, never
# a pipe, or whoever reads the pipe waits for Wine's services to end.
lumo_wine_make_prefix() {
  mkdir -p "$WINEPREFIX"
  "$LUMO_WINE" wineboot -i >>"$LUMO_WINE_LOG" 2>&1 </dev/null ||
    { lumo_wine_fail "wineboot -i failed"; return 1; }
  # Without a window manager, destroying a top-level window is slow unless unmanaged.
  "$LUMO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >>"$LUMO_WINE_LOG" 2>&1 </dev/null || { lumo_wine_fail "reg add failed"; return 1; }
  "$LUMO_WINESERVER" -w
}

# Making a prefix costs Wine about 20 s, copying one about 2 s. A prefix just made, before
# any program ran in it, is kept in the user's cache as a template, one per Wine version,
# flavour and way of making it; a fresh build tree gets a copy.
lumo_wine_new_prefix() {
  local wow64=$1 cache=${XDG_CACHE_HOME:-$HOME/.cache}/lumo key template
  key=$({ "$LUMO_WINE" --version; echo "$wow64"; declare -f lumo_wine_make_prefix; } 2>&1 |
    sha1sum | cut -c1-16)
  template="$cache/wineprefix-$key"
  if [ -f "$template/system.reg" ]; then
    rm -rf "$WINEPREFIX"
    cp -a "$template" "$WINEPREFIX" && return 0
    rm -rf "$WINEPREFIX"
  fi
  lumo_wine_make_prefix || return 1
  # A prefix made before Wine's 32-bit libraries were installed is no template for WoW64.
  # Another run may be keeping its template at the same moment: the first one wins.
  if { [ "$wow64" != --wow64 ] || [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; } &&
    mkdir -p "$cache" 2>/dev/null && cp -a "$WINEPREFIX" "$template.$$" 2>/dev/null; then
    mv -T "$template.$$" "$template" 2>/dev/null || true
  fi
  rm -rf "$template.$$"
}

lumo_wine_start() {
  local build_dir=$1 wow64=${2:-}
  export WINEPREFIX="$build_dir/wineprefix"
  export WINEDEBUG=-all
  # Code page 936 comes with this locale alone (install-deps.sh generates it).
  export LC_ALL=zh_CN.UTF-8
  # No Mono or Gecko: their install prompts would block a headless run.
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  # Wine's debugger, started for a crashed program, keeps the run's output open for many
  # minutes (and cannot attach at all in WoW64 mode); without it the crash ends the program
  # with an error.
  WINEDLLOVERRIDES+=";winedbg.exe=d"
  LUMO_WINE_LOG="$build_dir/wine-harness.log"
  : >"$LUMO_WINE_LOG"

  [ -x "$LUMO_WINE" ] || { lumo_wine_fail "$LUMO_WINE is missing"; return 1; }

  if [ -z "${DISPLAY:-}" ]; then
    local n=77
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >>"$LUMO_WINE_LOG" 2>&1 </dev/null &
    LUMO_XVFB_PID=$!
    export DISPLAY=":$n"
    local tries=0
    until [ -e "/tmp/.X11-unix/X$n" ]; do
      tries=$((tries + 1))
      if [ $tries -gt 100 ] || ! kill -0 "$LUMO_XVFB_PID" 2>/dev/null; then
        lumo_wine_fail "Xvfb did not start on :$n"
        return 1
      fi
      sleep 0.1
    done
  fi

  # A prefix made before Wine's 32-bit libraries were installed has no 32-bit system.
  local wow64_system="$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll"
  if [ "$wow64" = --wow64 ] && [ -f "$WINEPREFIX/system.reg" ] && [ ! -f "$wow64_system" ]; then
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    lumo_wine_new_prefix "$wow64" || return 1
  fi
  # Fails when a server already runs for this prefix (a demo beside a test run): use that one.
  "$LUMO_WINESERVER" -p >>"$LUMO_WINE_LOG" 2>&1 </dev/null || true
  "$LUMO_WINE" wineboot >>"$LUMO_WINE_LOG" 2>&1 </dev/null ||
    { lumo_wine_fail "wineboot failed"; return 1; }
  lumo_wine_fonts || { lumo_wine_fail "font replacement failed"; return 1; }

  local probe
  probe=$("$LUMO_WINE" cmd /c echo lumo-wine-ok 2>>"$LUMO_WINE_LOG" </dev/null | tr -d '\r')
  [ "$probe" = "lumo-wine-ok" ] || { lumo_wine_fail "Wine cannot run a program"; return 1; }

  if [ "$wow64" = --wow64 ]; then
    [ -f "$wow64_system" ] ||
      { lumo_wine_fail "no 32-bit system in the prefix: run scripts/install-deps.sh"; return 1; }
    probe=$("$LUMO_WINE" 'C:\windows\syswow64\cmd.exe' /c echo lumo-wow64-ok \
      2>>"$LUMO_WINE_LOG" </dev/null | tr -d '\r')
    [ "$probe" = "lumo-wow64-ok" ] ||
      { lumo_wine_fail "Wine cannot run a 32-bit program (WoW64 mode)"; return 1; }
  fi
}

lumo_wine_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    "$LUMO_WINESERVER" -k >/dev/null 2>&1 || true
  fi
  if [ -n "$LUMO_XVFB_PID" ]; then
    kill "$LUMO_XVFB_PID" 2>/dev/null || true
    wait "$LUMO_XVFB_PID" 2>/dev/null || true
    LUMO_XVFB_PID=""
    # So that a later start makes its own display again.
    unset DISPLAY
  fi
  unset LC_ALL
}
