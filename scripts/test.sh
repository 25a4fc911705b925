#!/usr/bin/env bash
# Builds everything and runs every test:
#
#   1. tidy: formatting and shellcheck findings (scripts/check-tidy.sh), first and quick;
#   2. the Windows builds, 64-bit and 32-bit, each followed by its tests in the background:
#      every source of quorvel.exe compiled with clang too, and the end-to-end tests under
#      Wine, each build in its own prefix, on its own private X server;
#   3. meanwhile, the host unit tests; the same built with clang under AddressSanitizer and
#      UBSan, with every allocation of a press failed in turn and the fuzzer's corpus
#      replayed; a short fuzzing run (scripts/fuzz.sh); and the two Windows packages:
#      checked as they are, and rebuilt from two clean clones to show that they come out
#      byte for byte the same;
#   4. once the Wine tests are done, the packages signed with a throw-away certificate
#      (scripts/check-signing.sh), whose programs run in the 64-bit build's Wine prefix.
#
# Ends with the line "N passed, N failed" over all stages (a build that fails counts as one
# failure) and exits non-zero when anything failed.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"

cd "$QUORVEL_ROOT" || exit 1
"$QUORVEL_ROOT/scripts/install-deps.sh" || die "installing the build dependencies failed"

passed=0
failed=0

# count_results CTEST_OUTPUT: adds ctest's summary to the totals; no summary, or no test
# at all, counts as one failure.
count_results() {
  local summary
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]] && ((BASH_REMATCH[2] > 0)); then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    say "no test results"
    failed=$((failed + 1))
  fi
}

# count_checks OUTPUT: adds a check script's closing "N passed, N failed" to the totals; no
# such line, or no check at all, counts as one failure.
count_checks() {
  local summary
  summary=$(tail -n 1 "$1")
  if [[ $summary =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]] &&
    ((BASH_REMATCH[1] + BASH_REMATCH[2] > 0)); then
    passed=$((passed + BASH_REMATCH[1]))
    failed=$((failed + BASH_REMATCH[2]))
  else
    say "no check results"
    failed=$((failed + 1))
  fi
}

# built PRESET [TARGET...]: builds it; a failure is counted and reported.
built() {
  say "== $1: build"
  build_preset "$@" && return 0
  say "== $1: build FAILED"
  failed=$((failed + 1))
  return 1
}

# run_ctest PRESET: the preset's tests, all that may run at once.
run_ctest() {
  ctest --test-dir "$(preset_dir "$1")" --output-on-failure --parallel "$(nproc)" --timeout 900
}

# checks NAME SCRIPT [ARG...]: a check script's findings, counted.
checks() {
  local output
  say "== $1"
  output=$(mktemp)
  "${@:2}" 2>&1 | tee "$output"
  count_checks "$output"
  rm -f "$output"
}

# suite PRESET: configure, build and test one host preset.
suite() {
  built "$1" || return
  say "== $1: test"
  local output
  output=$(mktemp)
  run_ctest "$1" 2>&1 | tee "$output"
  count_results "$output"
  rm -f "$output"
}

# The Wine suites running in the background: "PRESET PID OUTPUT" each.
wine_suites=()

# wine_suite_start PRESET: builds the Windows preset (its package too) and starts its Wine
# tests in the background. Without the caller's display, the tests' session starts a
# private X server for them.
wine_suite_start() {
  built "$1" all dist || return
  local output
  output=$(mktemp)
  say "== $1: Wine tests started in the background"
  (
    unset DISPLAY
    run_ctest "$1"
  ) >"$output" 2>&1 &
  wine_suites+=("$1 $! $output")
  # Tests cut short leave their Wine session up: end it whole, its X server included.
  on_exit "kill $! 2>/dev/null; wine_session_down '$(preset_dir "$1")'"
}

# wine_suites_finish: waits for each Wine suite and counts its results.
wine_suites_finish() {
  local entry preset pid output
  for entry in "${wine_suites[@]}"; do
    read -r preset pid output <<<"$entry"
    wait "$pid"
    say "== $preset: Wine tests"
    cat "$output"
    count_results "$output"
    rm -f "$output"
  done
}

# The two packages for Windows users: as built, and rebuilt from two clean clones.
package_suite() {
  checks "packages: check" "$QUORVEL_ROOT/scripts/check-package.sh" \
    "$(package_of windows)" "$(package_of windows-x86)"
  checks "packages: reproducible" "$QUORVEL_ROOT/scripts/check-reproducible.sh"
}

checks "tidy" "$QUORVEL_ROOT/scripts/check-tidy.sh"
wine_suite_start windows
wine_suite_start windows-x86
suite host
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  suite host-asan
checks "fuzz" "$QUORVEL_ROOT/scripts/fuzz.sh" --runs 5000
package_suite
wine_suites_finish
checks "packages: signed" "$QUORVEL_ROOT/scripts/check-signing.sh"

printf '%d passed, %d failed\n' "$passed" "$failed"
[[ $failed -eq 0 ]]
