#!/usr/bin/env bash
# The Wine session that the Wine tests of one ctest run share (the fixture wine_session),
# brought up before them and ended after them by scripts/lib/wine.sh: the build's prefix,
# always with the virtual desktop, whatever scripts/run.sh left set there; the caller's
# display, or a private X server when there is none; and a wineserver that stays.
#
#   wine_session.sh start|stop
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"

: "${QUORVEL_BUILD_DIR:?run this through ctest in a Windows build}"
case ${1:-} in
  start)
    wine_session_up "$QUORVEL_BUILD_DIR" "${QUORVEL_WINE_BITS:-64}" on
    say "Wine session up on display $DISPLAY"
    ;;
  stop) wine_session_down "$QUORVEL_BUILD_DIR" ;;
  *) die "usage: $0 start|stop" ;;
esac
