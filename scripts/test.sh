#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests, the same under
# AddressSanitizer and UBSan, the Windows cross-build, the end-to-end tests of quorvel.exe
# under Wine on a private X server, and the checks of the 64-bit and 32-bit packages (the
# 32-bit program is checked, not run). Ends with the line "N passed, N failed" over all
# suites (a build that fails counts as one failure) and exits non-zero when anything
# failed.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/xvfb.sh"

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

# suite PRESET: configure, build and test one preset.
suite() {
  local preset=$1 output
  say "== $preset: build"
  if ! build_preset "$preset"; then
    say "== $preset: build FAILED"
    failed=$((failed + 1))
    return
  fi
  say "== $preset: test"
  output=$(mktemp)
  ctest --test-dir "$(preset_dir "$preset")" --output-on-failure --parallel "$(nproc)" \
    --timeout 900 2>&1 | tee "$output"
  count_results "$output"
  rm -f "$output"
}

# The Windows tests run quorvel.exe on a private X server, in the build's own prefix.
windows_suite() {
  wine_env "$(preset_dir windows)"
  xvfb_start
  on_exit wine_stop
  wine_prefix_ready
  wine_virtual_desktop on
  suite windows
}

# The two packages for Windows users, checked without running them.
package_suite() {
  say "== packages: build"
  if ! build_preset windows dist || ! build_preset windows-x86 dist; then
    say "== packages: build FAILED"
    failed=$((failed + 1))
    return
  fi
  say "== packages: check"
  local output
  output=$(mktemp)
  "$QUORVEL_ROOT/scripts/check-package.sh" "$(package_of windows)" "$(package_of windows-x86)" \
    2>&1 | tee "$output"
  count_checks "$output"
  rm -f "$output"
}

suite host
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  suite host-asan
windows_suite
package_suite

printf '%d passed, %d failed\n' "$passed" "$failed"
[[ $failed -eq 0 ]]
