# shellcheck shell=bash
# The Wine session of a build folder: its private 64-bit prefix (never ~/.wine), which runs
# the 64-bit build and, through WoW64, the 32-bit one, with no debug chatter and the .NET and
# HTML engines off (their installers would stop a first start). Wine's helpers (wineserver,
# services.exe, winedevice.exe, the desktop's explorer.exe) inherit the descriptors of the
# Wine process that starts them, and a pipe they hold keeps its reader (a test runner, a
# $(...)) waiting until they end. So Wine commands run through wine_run, programs left in
# the background write to /dev/null, and the session's servers start with no descriptor.

QUORVEL_SCREEN=1024x768 # the private X server's screen, and the virtual desktop's size

# wine_session_up BUILD_DIR BITS on|off: after ending what an earlier session left running,
# the prefix (made if need be, set up every time), DISPLAY (the caller's, or a private X
# server's; also in wine-session/display for the Wine tests), and a wineserver that stays.
wine_session_up() {
  local session=$1/wine-session
  wine_session_down "$1"
  wine_env "$1" "$2"
  mkdir -p "$session"
  _wine_prefix_ready
  _wine_settings "$3"
  if [[ -z ${DISPLAY:-} ]]; then
    # Xvfb picks a free display number itself: sessions side by side never collide.
    setsid Xvfb -displayfd 3 -screen 0 "${QUORVEL_SCREEN}x24" -nolisten tcp \
      3>"$session/display-number" </dev/null >/dev/null 2>&1 &
    printf '%s\n' "$!" >"$session/xvfb.pid"
    until [[ -s $session/display-number ]]; do
      kill -0 "$!" 2>/dev/null || die "Xvfb did not start"
      sleep 0.05
    done
    DISPLAY=":$(<"$session/display-number")"
    export DISPLAY
  fi
  printf '%s\n' "$DISPLAY" >"$session/display"
  setsid -w wineserver --persistent </dev/null >/dev/null 2>&1 || die "no wineserver started"
}

# wine_session_down BUILD_DIR: ends every program of the build's prefix, its wineserver (waited
# for, so that the next session gets its own) and its X server, as a session cut short left them.
wine_session_down() {
  local session=$1/wine-session pid
  wine_env "$1"
  _wine_stop
  if [[ -f $session/xvfb.pid ]]; then
    pid=$(<"$session/xvfb.pid")
    [[ $(cat "/proc/$pid/comm" 2>/dev/null) != Xvfb ]] || kill "$pid"
  fi
  rm -rf "$session"
}

# wine_env BUILD_DIR [BITS]: exports the build prefix's Wine settings; BITS (64 or 32) is the
# registry view that wine_reg edits.
wine_env() {
  export WINEPREFIX=$1/wine-prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
  QUORVEL_WINE_BITS=${2:-64}
  [[ $QUORVEL_WINE_BITS == 64 || $QUORVEL_WINE_BITS == 32 ]] || die "no such bitness: $2"
}

# wine_run COMMAND [ARG...]: a Wine command (wine, winepath, wineboot, wineserver) with no
# descriptor of the caller's: stdin from /dev/null, its output through files replayed after.
wine_run() {
  local out status=0
  out=$(mktemp -d) || return 1
  "$@" </dev/null >"$out/stdout" 2>"$out/stderr" || status=$?
  cat "$out/stdout" && cat "$out/stderr" >&2
  rm -rf "$out"
  return "$status"
}

# wine_reg ARG...: reg.exe on the registry view of the build's bitness. The wine launcher
# starts the 32-bit reg.exe once wine32 is installed, so the view is always named.
wine_reg() { wine_run wine reg "$@" "/reg:$QUORVEL_WINE_BITS"; }

# wine_regsvr32 ARG...: regsvr32, which Wine runs in the bitness of the DLL it is given, so
# that the DLL's classes land in that bitness's registry view.
wine_regsvr32() { wine_run wine regsvr32 "$@"; }

# wine_path UNIX_PATH: the Windows path of a file, for the programs under Wine.
wine_path() { wine_run winepath -w "$1"; }

_wine_stop() {
  wine_run wineserver --kill >/dev/null 2>&1 || true
  wine_run wineserver --wait >/dev/null 2>&1 || true
}

# The prefix, stamped with the installed Wine packages and made again when they change: one
# made before wine32 was installed fails afterwards with "could not load kernel32.dll".
_wine_prefix_ready() {
  local packages mark=$WINEPREFIX/.quorvel-wine-packages fonts=/usr/share/wine/fonts
  packages=$(dpkg-query -W -f='${db:Status-Abbrev}${binary:Package} ${Version}\n' \
    'wine*' 'libwine*' 2>/dev/null | sed -n 's/^ii *//p' | sort)
  [[ -f $WINEPREFIX/system.reg && -f $mark && $(<"$mark") == "$packages" ]] && return
  [[ ! -e $WINEPREFIX ]] || say "the Wine packages have changed: removing $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  say "creating the Wine prefix $WINEPREFIX"
  wine_run wineboot --init >/dev/null 2>&1
  wine_run wineserver --wait
  # Debian's Wine does not search the fonts-wine folder itself; linked into the prefix's
  # Fonts folder they give windows Tahoma and the Marlett glyphs of the caption buttons.
  [[ ! -d $fonts ]] || ln -sf "$fonts"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  printf '%s\n' "$packages" >"$mark"
}

# _wine_settings on|off: "on" runs the programs inside one Wine desktop that draws their
# frames and captions itself (a bare X server has no window manager to do it); "off" makes
# each window one of the user's desktop. With no crash dialog, a crashing program ends at
# once with a backtrace. The desktop's explorer.exe reads its setting as it starts, so the
# wineserver that wrote it ends here (saving the registry) and takes its explorer.exe along.
_wine_settings() {
  [[ $1 == on || $1 == off ]] || die "the virtual desktop is on or off, not '$1'"
  wine_reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null ||
    die "no Wine program starts in $WINEPREFIX"
  wine_reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$QUORVEL_SCREEN" /f >/dev/null
  if [[ $1 == on ]]; then
    wine_reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  else
    wine_reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
  _wine_stop
}
