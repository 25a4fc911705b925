#!/usr/bin/env bash
# Start-to-window time of quorvel.exe under Wine beside minimal_window.exe, a program that
# only opens one window and is built the same way. Each of N runs (default 10, the two
# programs taking turns) times from starting the program to its window being shown on the
# private X server; prints each program's median and the ratio of the two. A measurement,
# not a test.
#
#   scripts/bench-start.sh [N]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/xvfb.sh"
source "$QUORVEL_ROOT/scripts/lib/quorvel.sh"

runs=${1:-10}
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "usage: $0 [N]"

# start_to_window EXE CAPTION: milliseconds from the start to the window being mapped.
start_to_window() {
  local started shown pid
  started=$(date +%s%N)
  wine "$1" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || die "$1 ended before showing its window"
  done
  shown=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((shown - started) / 1000000))
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset windows >&2
build_dir=$(preset_dir windows)
wine_env "$build_dir"
xvfb_start
on_exit wine_stop
wine_prefix_ready
wine_virtual_desktop on
# Keep one wineserver up throughout, so each run measures the program's start only.
wineserver --persistent

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
