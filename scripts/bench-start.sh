#!/usr/bin/env bash
# scripts/bench-start.sh [N]: the start-to-window time of quorvel.exe under Wine beside
# minimal_window.exe (one window, same build and manifest), median of N starts each (default
# 21, taking turns), and the ratio; quorvel.exe's size; and the peak resident set (VmHWM) of
# the process running each program, once shown and for quorvel.exe after a probe run too.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/quorvel.sh"

runs=${1:-21}
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "usage: $0 [N]"

# start_to_window EXE CAPTION [PEAK_FILE]: milliseconds from the start to the window being
# mapped; with PEAK_FILE, the program's peak memory once its window is shown goes there.
start_to_window() {
  local started shown pid
  started=$(date +%s%N)
  wine "$1" </dev/null >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || die "$1 ended before showing its window"
  done
  shown=$(date +%s%N)
  [[ -z ${3:-} ]] || peak_kb "$1" >"$3"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((shown - started) / 1000000))
}

# peak_kb EXE: the peak resident set, in KiB, of the process that runs the program. The wine
# launcher's process may run another launcher (start.exe, for the other bitness), so it is
# found by the program's path, Wine's first argument, in Unix or in Windows form.
peak_kb() {
  local windows_form cmdline argv0
  windows_form="z:${1//\//\\}"
  for cmdline in /proc/[0-9]*/cmdline; do
    IFS= read -r -d '' argv0 <"$cmdline" 2>/dev/null || continue
    if [[ $argv0 == "$1" || ${argv0,,} == "${windows_form,,}" ]]; then
      awk '/^VmHWM:/ { print $2 }' "${cmdline%cmdline}status"
      return
    fi
  done
  die "no process runs $1"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset windows >&2
build_dir=$(preset_dir windows)
# On a private X server whatever the caller's display, with one wineserver up throughout so
# that each run measures the program's start only.
unset DISPLAY
on_exit "wine_session_down '$build_dir'"
wine_session_up "$build_dir" 64 on

quorvel=$(quorvel_stage "$build_dir/quorvel.exe" "$build_dir/bench-start/quorvel")
minimal=$(quorvel_stage "$build_dir/tools/minimal_window/minimal_window.exe" \
  "$build_dir/bench-start/minimal")
start_to_window "$quorvel" Quorvel >/dev/null
start_to_window "$minimal" Minimal >/dev/null

quorvel_times=()
minimal_times=()
for ((run = 0; run < runs; run++)); do
  quorvel_times+=("$(start_to_window "$quorvel" Quorvel)")
  minimal_times+=("$(start_to_window "$minimal" Minimal)")
done
quorvel_ms=$(printf '%s\n' "${quorvel_times[@]}" | median)
minimal_ms=$(printf '%s\n' "${minimal_times[@]}" | median)
echo "quorvel.exe        start to window, median of $runs: $quorvel_ms ms (${quorvel_times[*]})"
echo "minimal_window.exe start to window, median of $runs: $minimal_ms ms (${minimal_times[*]})"
awk -v q="$quorvel_ms" -v m="$minimal_ms" 'BEGIN { printf "ratio quorvel / minimal: %.2f\n", q / m }'

# Size and peak memory.
QVDRIVE_EXE=$build_dir/tools/qvdrive/qvdrive.exe
sim_register "$build_dir/sim/quorvel_sim.dll" "$QUORVEL_ROOT/sim/scenarios/healthy.txt"
sim_dialogs_close_themselves
quorvel_start "$quorvel"
qvdrive wait-window 60 >/dev/null
quorvel_shown_kb=$(peak_kb "$quorvel")
qvdrive wait-window 5 set server EXSRV01 set alias jdoe mark-log click test \
  wait-log-delim 120 >/dev/null
quorvel_run_kb=$(peak_kb "$quorvel")
quorvel_stop

start_to_window "$minimal" Minimal "$build_dir/bench-start/minimal-peak" >/dev/null
minimal_kb=$(<"$build_dir/bench-start/minimal-peak")

stripped=$build_dir/bench-start/quorvel-stripped.exe
x86_64-w64-mingw32-strip --strip-all -o "$stripped" "$quorvel"
echo "quorvel.exe size: $(stat -c %s "$quorvel") bytes as built," \
  "$(stat -c %s "$stripped") bytes stripped (as packed)"
echo "peak resident set of the Wine process (VmHWM), KiB:"
echo "  quorvel.exe, window shown:                        $quorvel_shown_kb"
echo "  quorvel.exe, after a probe run (simulated world):  $quorvel_run_kb"
echo "  minimal_window.exe, window shown:                 $minimal_kb"
