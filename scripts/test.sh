#!/usr/bin/env bash
# Builds everything and runs every test: the tidy check first; the two Windows builds, each
# with its clang compiles and Wine tests in the background (own prefix, own private X
# server); meanwhile the host unit tests, plain and under the sanitizers, a short fuzzing
# run, and the packages checked as built and rebuilt in two clean clones; last, once the
# Wine tests are done, the packages signed with a throw-away certificate and run in the
# 64-bit build's prefix. Ends with "N passed, N failed" over all stages (a build that fails
# counts as one failure) and exits non-zero when anything failed.
#
#   scripts/test.sh
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"

cd "$QUORVEL_ROOT" || exit 1
"$QUORVEL_ROOT/scripts/install-deps.sh" || die "installing the build dependencies failed"

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
  if ((pass + fail > 0)); then
    passed=$((passed + pass))
    failed=$((failed + fail))
  else
    say "no test results"
    failed=$((failed + 1))
  fi
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
  say "== $1: build FAILED"
  failed=$((failed + 1))
  return 1
}

# run_ctest PRESET: the preset's tests, all that may run at once.
run_ctest() {
  ctest --test-dir "$(preset_dir "$1")" --output-on-failure --parallel "$(nproc)" --timeout 900
}

# suite PRESET: configures, builds and tests one host preset.
suite() {
  built "$1" && stage "$1: test" run_ctest "$1"
}

# The Wine suites running in the background: "PRESET PID OUTPUT" each.
wine_suites=()

# wine_suite_start PRESET: builds the Windows preset (its package too) and starts its tests
# in the background. Without the caller's display, their Wine session starts a private X
# server for them.
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
    stage "$preset: Wine tests" cat "$output"
    rm -f "$output"
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
  "$(package_of windows)" "$(package_of windows-x86)"
stage "packages: reproducible" "$QUORVEL_ROOT/scripts/check-reproducible.sh"
wine_suites_finish
stage "packages: signed" "$QUORVEL_ROOT/scripts/check-signing.sh"
checks_summary
