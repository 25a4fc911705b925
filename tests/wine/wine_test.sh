# shellcheck shell=bash
# Sourced by each Wine test: the scripts' shared library, the build's Wine prefix and the
# display of the Wine session that ctest's fixture started (wine_session.sh), a folder of
# the test's own, and checks that report every mismatch before the test fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/quorvel.sh"

: "${QUORVEL_BUILD_DIR:?run this test through ctest in a Windows build}"
wine_env "$QUORVEL_BUILD_DIR" "${QUORVEL_WINE_BITS:-64}"
[[ -f $QUORVEL_BUILD_DIR/wine-session/display ]] ||
  die "no Wine session: run this test through ctest, whose fixture starts one"
DISPLAY=$(<"$QUORVEL_BUILD_DIR/wine-session/display")
export DISPLAY
# shellcheck disable=SC2034 # read by the scripts that source this file
TEST_DIR="$QUORVEL_BUILD_DIR/wine-tests/$(basename "$0" .sh)"

_failed_checks=0

_check_result() {
  if [[ $2 -eq 0 ]]; then
    say "ok: $1"
  else
    say "FAILED: $1"
    _failed_checks=$((_failed_checks + 1))
  fi
}

# expect_eq WHAT EXPECTED ACTUAL: a mismatch prints a diff.
expect_eq() {
  if [[ $2 == "$3" ]]; then
    _check_result "$1" 0
  else
    _check_result "$1" 1
    diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | sed 's/^/    /' >&2 || true
  fi
}

# expect WHAT COMMAND...: the command must succeed.
expect() {
  local status=0
  "${@:2}" || status=$?
  _check_result "$1" "$status"
}

# finish: the test's verdict.
finish() {
  [[ $_failed_checks -eq 0 ]] || die "$_failed_checks check(s) failed"
  say "all checks passed"
}
