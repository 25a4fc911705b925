# shellcheck shell=bash
# Wine for the cross-built programs: a private 64-bit prefix inside each build folder (never
# the user's ~/.wine), which runs the 64-bit build and, through WoW64, the 32-bit one; no
# debug chatter; the .NET and HTML engines switched off so a first start never waits on
# their installer dialogs.
#
# Wine's long-lived helpers (the wineserver, services.exe, the desktop's explorer.exe) are
# started by whichever Wine process first needs them, and inherit its standard error. A
# pipe they hold keeps its reader (a test runner, a $(...) substitution) waiting until they
# end, minutes later. So every Wine command here runs through wine_run, whose output goes
# through files, and programs left in the background write to /dev/null.

# wine_env BUILD_DIR [BITS]: exports the Wine settings for the prefix of that build. BITS
# (64, the default, or 32) is the bitness of the build's programs; it names the registry
# view that wine_reg edits.
wine_env() {
  export WINEPREFIX="$1/wine-prefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  QUORVEL_WINE_BITS=${2:-64}
  [[ $QUORVEL_WINE_BITS == 64 || $QUORVEL_WINE_BITS == 32 ]] ||
    die "no such bitness: $QUORVEL_WINE_BITS"
}

# wine_run COMMAND [ARG...]: runs a Wine command (wine, winepath, wineboot, wineserver) with
# no descriptor of the caller's: stdin from /dev/null, stdout and stderr through files that
# are replayed when it ends. Returns the command's status.
wine_run() {
  local out err status=0
  out=$(mktemp) || return 1
  err=$(mktemp) || return 1
  "$@" </dev/null >"$out" 2>"$err" || status=$?
  cat "$out"
  cat "$err" >&2
  rm -f "$out" "$err"
  return "$status"
}

# wine_reg ARG...: reg.exe on the registry view of the build's bitness. The wine launcher
# starts the 32-bit reg.exe once wine32 is installed, so the view is always named.
wine_reg() {
  wine_run wine reg "$@" "/reg:$QUORVEL_WINE_BITS"
}

# wine_regsvr32 ARG...: regsvr32, which Wine runs in the bitness of the DLL it is given, so
# that the DLL's classes land in that bitness's registry view.
wine_regsvr32() {
  wine_run wine regsvr32 "$@"
}

# wine_path UNIX_PATH: the Windows path of a file, for the programs under Wine.
wine_path() {
  wine_run winepath -w "$1"
}

# wine_prefix_ready: makes the prefix on first use, and makes it again when the Wine
# packages have changed since (a prefix made before wine32 was installed fails afterwards
# with "could not load kernel32.dll"). Parallel callers wait for the one that makes it.
wine_prefix_ready() {
  local lock mark=$WINEPREFIX/.quorvel-wine-packages
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec {lock}>"$WINEPREFIX.lock"
  flock "$lock"
  if [[ ! -f $WINEPREFIX/system.reg || ! -f $mark || $(<"$mark") != "$(_wine_packages)" ]]; then
    if [[ -e $WINEPREFIX ]]; then
      say "making the Wine prefix $WINEPREFIX again: the Wine packages have changed"
      wine_stop
      rm -rf "$WINEPREFIX"
    fi
    say "creating the Wine prefix $WINEPREFIX"
    wine_run wineboot --init >/dev/null 2>&1
    wine_run wineserver --wait
    _wine_link_fonts
    wine_virtual_desktop on
    _wine_packages >"$mark"
  fi
  exec {lock}>&-
}

# The installed Wine packages with their architectures and versions, one a line.
_wine_packages() {
  dpkg-query -W -f='${db:Status-Abbrev}${binary:Package} ${Version}\n' 'wine*' 'libwine*' \
    2>/dev/null | sed -n 's/^ii *//p' | sort
}

# Debian's Wine does not search the fonts-wine folder by itself; linked into the prefix's
# Fonts folder they give windows Tahoma and the Marlett glyphs of the caption buttons.
_wine_link_fonts() {
  local fonts=/usr/share/wine/fonts
  [[ -d $fonts ]] || return 0
  ln -sf "$fonts"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# wine_virtual_desktop on|off: with "on" (a new prefix's setting), the programs run inside
# one Wine desktop of QUORVEL_SCREEN's size that draws their frames and captions itself (a
# bare X server has no window manager to do it); with "off", each window is a window of
# the user's own desktop. The desktop process reads the setting when it starts, so a
# change waits for the running wineserver to end.
wine_virtual_desktop() {
  local want=$1
  local current=off
  grep -q '^"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null && current=on
  [[ $want == "$current" ]] && return 0
  if [[ $want == on ]]; then
    wine_reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$QUORVEL_SCREEN" /f >/dev/null
    wine_reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  else
    wine_reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null
  fi
  wine_run wineserver --wait
}

# wine_session_start: a wineserver that stays until wine_stop, with services.exe and the
# desktop brought up, none of them holding a descriptor of the caller's. The desktop ends
# when the last program does and comes back with the next one, so programs started later
# still go through wine_run or write to /dev/null. A program that crashes ends at once with
# a backtrace on its standard error, instead of waiting on Wine's crash dialog.
wine_session_start() {
  wine_run wineserver --persistent || die "the wineserver did not start"
  wine_reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null ||
    die "no Wine program starts in $WINEPREFIX"
}

# wine_stop: ends every process of the prefix and its wineserver, and waits until the
# wineserver is gone, so that a session started next gets a server of its own.
wine_stop() {
  wine_run wineserver --kill >/dev/null 2>&1 || true
  wine_run wineserver --wait >/dev/null 2>&1 || true
}
