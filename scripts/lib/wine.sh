# Wine for the cross-built programs: a private 64-bit prefix inside the build folder (never
# the user's ~/.wine), no debug chatter, and the .NET and HTML engines switched off so a
# first start never waits on their installer dialogs.

# wine_env BUILD_DIR: exports the Wine settings for the prefix of that build.
wine_env() {
  export WINEPREFIX="$1/wine-prefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# wine_prefix_ready: creates the prefix on first use. Parallel callers wait for the one
# that boots it.
wine_prefix_ready() {
  local lock
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec {lock}>"$WINEPREFIX.lock"
  flock "$lock"
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    say "creating the Wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    _wine_link_fonts
    wine_virtual_desktop on
  fi
  exec {lock}>&-
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
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$QUORVEL_SCREEN" /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  else
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null
  fi
  wineserver --wait
}

# wine_stop: ends every process of the prefix and its wineserver.
wine_stop() {
  wineserver --kill 2>/dev/null || true
}
