#!/usr/bin/env bash
# Builds quorvel.exe and starts it under Wine, in a private prefix inside the build folder.
#
# With a display, the window opens there and the script ends when it is closed. Without
# one, on a private X server: fills in server EXSRV01 and alias jdoe, presses Test, waits
# for this run's closing delimiter in the log, prints Quorvel.log and saves a screenshot of
# the window to build/windows/quorvel-screenshot.png. The exit code is 0 only when this run
# reached its closing delimiter (the log beside the program keeps earlier runs too).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/xvfb.sh"
source "$QUORVEL_ROOT/scripts/lib/quorvel.sh"

readonly DEMO_SERVER=EXSRV01
readonly DEMO_ALIAS=jdoe
# The default time-out is 5 minutes; a run that has not ended well after it never will.
readonly RUN_WAIT_SECONDS=900

build_dir=$(preset_dir windows)
exe=$build_dir/quorvel.exe
QVDRIVE_EXE=$build_dir/tools/qvdrive/qvdrive.exe

# The operator's own display: the program as on Windows, until its window is closed.
run_on_display() {
  wine_virtual_desktop off
  say "starting $exe on $DISPLAY"
  wine "$exe"
}

# No display: the demo run, driven through the window.
run_headless() {
  xvfb_start
  on_exit wine_stop
  wine_virtual_desktop on
  quorvel_start "$exe"
  local status=0
  qvdrive wait-window 60 set server "$DEMO_SERVER" set alias "$DEMO_ALIAS" mark-log \
    click test wait-log-delim "$RUN_WAIT_SECONDS" || status=$?
  quorvel_screenshot "$build_dir/quorvel-screenshot.png" &&
    say "screenshot: $build_dir/quorvel-screenshot.png"
  say "$build_dir/Quorvel.log:"
  iconv -f CP1252 -t UTF-8 "$build_dir/Quorvel.log" | tr -d '\r'
  return "$status"
}

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset windows >&2
wine_env "$build_dir"
wine_prefix_ready
if [[ -n ${DISPLAY:-} ]]; then
  run_on_display
else
  run_headless
fi
