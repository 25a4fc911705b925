#!/usr/bin/env bash
# scripts/test.sh: builds everything and runs every test, in the stages README.md's first
# screen lists; the Windows builds' tests run in the background meanwhile, and the signing
# check after them. Ends with "N passed, N failed" (a failed build counts as one failure).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"

"$QUORVEL_ROOT/scripts/install-deps.sh" || die "installing the build dependencies failed"
# Each Windows build's tests start a private X server of their own, whatever the display.
unset DISPLAY

# count OUTPUT: adds a stage's results to the totals: a check script's closing line "N
# passed, N failed", or else ctest's summary. Neither, or no test at all, is one failure.
count() {
  local pass=0 fail=0 summary
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [[ $(tail -n 1 "$1") =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
    pass=${BASH_REMATCH[1]}
    fail=${BASH_REMATCH[2]}
  elif [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    fail=${BASH_REMATCH[1]}
    pass=$((BASH_REMATCH[2] - fail))
  fi
  if ((pass + fail == 0)); then
    say "no test results"
    fail=1
  fi
  passed=$((passed + pass))
  failed=$((failed + fail))
}

# stage NAME COMMAND...: runs one stage, showing its output, and counts its results.
stage() {
  local output
  say "== $1"
  output=$(mktemp)
  "${@:2}" 2>&1 | tee "$output"
  count "$output"
  rm -f "$output"
}

# built PRESET [TARGET...]: builds it; a failure is counted and reported.
built() {
  say "== $1: build"
  build_preset "$@" && return 0
  failed=$((failed + 1))
  fail_with "== $1: build FAILED"
}

# run_ctest PRESET: the preset's tests, all that may run at once.
run_ctest() {
  ctest --test-dir "$(preset_dir "$1")" --output-on-failure --parallel "$(nproc)" --timeout 900
}

suite() {
  built "$1" && stage "$1: test" run_ctest "$1"
}

# The output of the Windows builds' tests, which run in the background: one file a preset.
wine_outputs=$(mktemp -d)
on_exit "rm -rf '$wine_outputs'"

# wine_suite_start PRESET: builds the Windows preset and package; its tests go to the background.
wine_suite_start() {
  built "$1" all dist || return
  say "== $1: Wine tests started in the background"
  run_ctest "$1" >"$wine_outputs/$1" 2>&1 &
  # Tests cut short leave their Wine session up: end it whole, its X server included.
  on_exit "kill $! 2>/dev/null; wine_session_down '$(preset_dir "$1")'"
}

# wine_suites_finish: waits for the Windows builds' tests and counts their results.
wine_suites_finish() {
  local output
  wait
  for output in "$wine_outputs"/*; do
    [[ -f $output ]] && stage "$(basename "$output"): Wine tests" cat "$output"
  done
}

stage "tidy" "$QUORVEL_ROOT/scripts/check-tidy.sh"
wine_suite_start windows
wine_suite_start windows-x86
suite host
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  suite host-asan
stage "fuzz" "$QUORVEL_ROOT/scripts/fuzz.sh" --runs 5000
stage "packages: check" "$QUORVEL_ROOT/scripts/check-package.sh" \
  "$(package_of windows)" "$(package_of windows-x86)" \
  "$(package_of windows sim)" "$(package_of windows-x86 sim)"
stage "packages: reproducible" "$QUORVEL_ROOT/scripts/check-reproducible.sh"
wine_suites_finish
stage "packages: signed" "$QUORVEL_ROOT/scripts/check-signing.sh"
checks_summary
