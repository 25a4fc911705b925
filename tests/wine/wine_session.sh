#!/usr/bin/env bash
# The Wine session that the Wine tests of one ctest run share (the fixture wine_session):
#
#   wine_session.sh start   the build's prefix ready, an X display (a private X server when
#                           there is none), and a wineserver that stays, with services.exe
#                           up; none of them holds a descriptor of the test runner's
#   wine_session.sh stop    ends every program of the prefix, its wineserver and the
#                           private X server
#
# The display goes to wine-session/display in the build folder, where wine_test.sh reads it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/xvfb.sh"

: "${QUORVEL_BUILD_DIR:?run this through ctest in a Windows build}"
wine_env "$QUORVEL_BUILD_DIR" "${QUORVEL_WINE_BITS:-64}"
session=$QUORVEL_BUILD_DIR/wine-session

# Also what an interrupted run may have left behind.
stop_session() {
  wine_stop
  local pid
  if [[ -f $session/xvfb.pid ]]; then
    pid=$(<"$session/xvfb.pid")
    [[ $(cat "/proc/$pid/comm" 2>/dev/null) != Xvfb ]] || kill "$pid"
  fi
  rm -rf "$session"
}

case ${1:-} in
  start)
    stop_session
    mkdir -p "$session"
    wine_prefix_ready
    if [[ -z ${DISPLAY:-} ]]; then
      xvfb_start_detached
      printf '%s\n' "$XVFB_PID" >"$session/xvfb.pid"
    fi
    printf '%s\n' "$DISPLAY" >"$session/display"
    wine_session_start
    say "Wine session up on display $DISPLAY"
    ;;
  stop) stop_session ;;
  *) die "usage: $0 start|stop" ;;
esac
