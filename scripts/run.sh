#!/usr/bin/env bash
# scripts/run.sh [--x86] [SCENARIO]: builds quorvel.exe and the simulated MAPI server (with
# --x86 the 32-bit ones) and runs the program under Wine against sim/scenarios/SCENARIO.txt
# (default healthy): with a display, there until closed; without one, the demo that
# README.md's first screen describes, directed by the scenario's "# demo-..." lines.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/quorvel.sh"

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
scenario_file=$QUORVEL_ROOT/sim/scenarios/$scenario.txt
if [[ $scenario == */* || ! -f $scenario_file ]]; then
  say "error: unknown scenario '$scenario'; the known scenarios are:"
  find "$QUORVEL_ROOT/sim/scenarios" -name '*.txt' -printf '  %f\n' | sed 's/\.txt$//' | sort >&2
  exit 1
fi

# directive NAME: the value of the scenario's "# NAME: value" line, or nothing: demo-timeout,
# the time-out in minutes the demo types; demo-ends-by: watchdog, for a run the watchdog ends.
directive() {
  sed -n "s/^# *$1: *\\([^ ]*\\) *\$/\\1/p" "$scenario_file" | tr -d '\r' | head -n 1
}
demo_timeout=$(directive demo-timeout)

build_dir=$(preset_dir "$preset")
log=$build_dir/Quorvel.log
QVDRIVE_EXE=$build_dir/tools/qvdrive/qvdrive.exe

log_size() { stat -c %s "$log" 2>/dev/null || echo 0; }

# wait_for_hang MARK DRIVER: until the log, past MARK, stays still HANG_SECONDS or DRIVER ends.
wait_for_hang() {
  while kill -0 "$2" 2>/dev/null; do
    (($(log_size) > $1)) && (($(date +%s) - $(stat -c %Y "$log") >= HANG_SECONDS)) && return
    sleep 0.1
  done
}

# screenshot: a PNG of the window alone, cut from the X screen.
screenshot() {
  local bounds png=$build_dir/quorvel-screenshot.png
  bounds=$(qvdrive wait-window 5 rect) || return 1
  # The window paints the run's last lines only after the Test handler has returned.
  sleep 1
  import -window root -crop "$bounds" +repage "$png" && say "screenshot: $png"
}

# No display: the demo run, driven through the window.
run_headless() {
  local mark driver status=0
  local drive=(wait-window 60 set server EXSRV01 set alias jdoe)
  [[ -z $demo_timeout ]] || drive+=(set interval "$demo_timeout")
  drive+=(mark-log click test wait-log-delim "$RUN_WAIT_SECONDS")
  sim_dialogs_close_themselves
  mark=$(log_size)
  quorvel_start "$build_dir/quorvel.exe"
  say "scenario $scenario: pressing Test"
  if [[ $(directive demo-ends-by) == watchdog ]]; then
    # The window is gone once the watchdog has ended the program: take the picture while the
    # guarded call hangs. The driver takes that end for a failure; the log's last lines judge.
    qvdrive "${drive[@]}" >/dev/null 2>&1 &
    driver=$!
    wait_for_hang "$mark" "$driver"
    screenshot || true
    wait "$driver" || true
    if [[ $(tail -c +"$((mark + 1))" "$log" | tr -d '\r' | tail -n 2) == \
      *":    Timeout expired"$'\n'"$DELIMITER" ]]; then
      say "the watchdog ended the program, as this scenario means it to"
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
on_exit "wine_session_down '$build_dir'"
if [[ -n ${DISPLAY:-} ]]; then
  wine_session_up "$build_dir" "$bits" off
  sim_register "$build_dir/sim/quorvel_sim.dll" "$scenario_file"
  say "starting quorvel.exe on $DISPLAY, scenario $scenario"
  [[ -z $demo_timeout ]] ||
    say "type $demo_timeout into the time-out box to see what this scenario shows"
  wine_run wine "$build_dir/quorvel.exe"
else
  wine_session_up "$build_dir" "$bits" on
  sim_register "$build_dir/sim/quorvel_sim.dll" "$scenario_file"
  run_headless
fi
