#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS | --runs N]: fuzzes a whole press of Test (preset host-asan,
# tests/fuzz/) for SECONDS (default 60), or replays the corpus and then N new inputs from a
# fixed seed (the test command's short, repeatable run). Starts from tests/fuzz/corpus; new
# inputs go to fuzz-corpus/ in the build folder, a finding's to findings/. Prints the
# executions, executions per second, coverage and findings, then "N passed, N failed".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"

if [[ ${1:-} == --runs ]]; then
  budget=(-runs="$2" -seed=1)
else
  budget=(-max_total_time="${1:-60}")
fi

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset host-asan quorvel_fuzzer >&2
dir=$(preset_dir host-asan)
mkdir -p "$dir/fuzz-corpus" "$dir/findings"
output="$dir/fuzz.log"

status=0
# The sanitizers' own options: a report ends the run as a finding.
ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$dir/tests/quorvel_fuzzer" "${budget[@]}" -max_len=16384 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$dir/findings/" \
  "$dir/fuzz-corpus" "$QUORVEL_ROOT/tests/fuzz/corpus" >"$output" 2>&1 || status=$?

# The output may hold a finding's bytes (-a: read it as text all the same), and a finding
# in the corpus stops the run before any coverage line.
stat_of() { sed -n "s/^stat::$1: *//p" "$output"; }
coverage=$(grep -aoE 'cov: [0-9]+ ft: [0-9]+' "$output" | tail -n 1 || true)
findings=$(grep -acE '^(finding:|==[0-9]+==ERROR|SUMMARY: )' "$output" || true)
say "executions: $(stat_of number_of_executed_units), per second: $(stat_of average_exec_per_sec)"
say "coverage: ${coverage:-none} (edges and features), new inputs: $(stat_of new_units_added)"
say "findings: $findings; exit status $status"
if [[ $status -ne 0 ]]; then
  grep -aE '^(finding:|==[0-9]+==ERROR|SUMMARY: |artifact_prefix|Test unit written)' "$output" >&2 || true
  say "the whole output: $output"
fi

check "the fuzzer ran its budget with no finding" test "$status" -eq 0 -a "$findings" -eq 0
checks_summary
