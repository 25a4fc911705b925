#!/usr/bin/env bash
# Builds quorvel.exe and the simulated MAPI server, and starts the program under Wine, in a
# private prefix inside the build folder, against the simulated world of one scenario:
#
#   scripts/run.sh [--x86] [SCENARIO]
#
#   --x86      the 32-bit program with the 32-bit server (preset windows-x86), as for 32-bit
#              MAPI libraries; without it, the 64-bit ones (preset windows)
#   SCENARIO   a file name in sim/scenarios/, default healthy
#
# With a display, the window opens there and the script ends when it is closed. Without
# one, on a private X server: fills in server EXSRV01 and alias jdoe (and the scenario's
# demo time-out, if it names one), presses Test, waits for this run's closing delimiter in
# the log, prints Quorvel.log and saves a screenshot of the window to
# quorvel-screenshot.png in the build folder. The exit code is 0 only when this run reached its
# closing delimiter (the log beside the program keeps earlier runs too) or, for a scenario
# meant to end through the watchdog, when the run's last lines are "    Timeout expired"
# and the delimiter the watchdog writes before it ends the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/xvfb.sh"
source "$QUORVEL_ROOT/scripts/lib/quorvel.sh"
source "$QUORVEL_ROOT/scripts/lib/sim.sh"

readonly DEMO_SERVER=EXSRV01
readonly DEMO_ALIAS=jdoe
readonly DELIMITER='===================='
# The default time-out is 5 minutes; a run that has not ended well after it never will.
readonly RUN_WAIT_SECONDS=900
# A run whose log has not grown for this long is hanging in a guarded call.
readonly HANG_SECONDS=3

preset=windows
bits=64
if [[ ${1:-} == --x86 ]]; then
  preset=windows-x86
  bits=32
  shift
fi
[[ $# -le 1 && ${1:-} != -* ]] || die "usage: $0 [--x86] [SCENARIO]"
scenario=${1:-healthy}
scenario_file=$(sim_scenario_file "$scenario")
demo_timeout=$(sim_directive "$scenario_file" demo-timeout)
ends_by=$(sim_directive "$scenario_file" demo-ends-by)

build_dir=$(preset_dir "$preset")
exe=$build_dir/quorvel.exe
log=$build_dir/Quorvel.log
sim_dll=$build_dir/sim/quorvel_sim.dll
QVDRIVE_EXE=$build_dir/tools/qvdrive/qvdrive.exe

# The operator's own display: the program as on Windows, until its window is closed.
run_on_display() {
  wine_virtual_desktop off
  sim_register "$sim_dll" "$scenario_file"
  say "starting $exe on $DISPLAY, scenario $scenario"
  [[ -z $demo_timeout ]] ||
    say "type $demo_timeout into the time-out box to see what this scenario shows"
  wine "$exe" </dev/null
}

log_size() {
  stat -c %s "$log" 2>/dev/null || echo 0
}

# log_since MARK: what the log gained after MARK bytes, without CR.
log_since() {
  tail -c +"$(($1 + 1))" "$log" 2>/dev/null | tr -d '\r'
}

# wait_for_hang MARK DRIVER: returns once the run's log has stopped growing for
# HANG_SECONDS, or the driver has given up.
wait_for_hang() {
  local size last=-1 still=0
  while ((still < HANG_SECONDS * 10)) && kill -0 "$2" 2>/dev/null; do
    size=$(log_size)
    if [[ $size == "$last" && $size -gt $1 ]]; then
      still=$((still + 1))
    else
      still=0
    fi
    last=$size
    sleep 0.1
  done
}

# ended_by_watchdog MARK: the run's last two lines are the watchdog's.
ended_by_watchdog() {
  local tail
  tail=$(log_since "$1" | tail -n 2)
  [[ $tail == *":    Timeout expired"$'\n'"$DELIMITER" ]]
}

screenshot() {
  quorvel_screenshot "$build_dir/quorvel-screenshot.png" &&
    say "screenshot: $build_dir/quorvel-screenshot.png"
}

# No display: the demo run, driven through the window.
run_headless() {
  xvfb_start
  on_exit wine_stop
  wine_virtual_desktop on
  sim_register "$sim_dll" "$scenario_file"
  sim_dialogs_close_themselves
  local mark status=0
  mark=$(log_size)
  quorvel_start "$exe"
  local drive=(wait-window 60 set server "$DEMO_SERVER" set alias "$DEMO_ALIAS")
  [[ -z $demo_timeout ]] || drive+=(set interval "$demo_timeout")
  drive+=(mark-log click test wait-log-delim "$RUN_WAIT_SECONDS")

  say "scenario $scenario: pressing Test"
  if [[ $ends_by == watchdog ]]; then
    # The window is gone once the watchdog has ended the program: take the picture while
    # the guarded call hangs. The driver reports the watchdog's end as a failure; the
    # verdict comes from the log instead.
    qvdrive "${drive[@]}" >/dev/null 2>&1 &
    local driver=$!
    wait_for_hang "$mark" "$driver"
    screenshot || true
    wait "$driver" || true
    if ended_by_watchdog "$mark"; then
      say "the watchdog ended the program, as this scenario means it to: the run's last" \
        "lines are \"    Timeout expired\" and a delimiter"
    else
      say "the run did not end through the watchdog"
      status=1
    fi
  else
    qvdrive "${drive[@]}" || status=$?
    screenshot || true
  fi
  say "$log:"
  iconv -f CP1252 -t UTF-8 "$log" | tr -d '\r'
  return "$status"
}

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset "$preset" quorvel quorvel_sim qvdrive >&2
wine_env "$build_dir" "$bits"
wine_prefix_ready
if [[ -n ${DISPLAY:-} ]]; then
  run_on_display
else
  run_headless
fi
