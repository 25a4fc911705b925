# shellcheck shell=bash
# Sourced by each Wine test: the scripts' shared library, the build's Wine prefix and the
# display of the Wine session that ctest's fixture brought up (wine_session.sh), a folder of
# the test's own, and counted checks (scripts/lib/checks.sh) that report every mismatch
# before the test fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"
source "$QUORVEL_ROOT/scripts/lib/quorvel.sh"

: "${QUORVEL_BUILD_DIR:?run this test through ctest in a Windows build}"
wine_env "$QUORVEL_BUILD_DIR" "${QUORVEL_WINE_BITS:-64}"
[[ -f $QUORVEL_BUILD_DIR/wine-session/display ]] ||
  die "no Wine session: run this test through ctest, whose fixture brings one up"
DISPLAY=$(<"$QUORVEL_BUILD_DIR/wine-session/display")
export DISPLAY
# shellcheck disable=SC2034 # read by the scripts that source this file
TEST_DIR="$QUORVEL_BUILD_DIR/wine-tests/$(basename "$0" .sh)"

# expect WHAT COMMAND...: the command must succeed.
expect() { check "$@"; }

# expect_eq WHAT EXPECTED ACTUAL: a mismatch prints a diff.
expect_eq() {
  check "$1" [ "$2" = "$3" ]
  [[ $2 == "$3" ]] || diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | sed 's/^/    /' >&2 || true
}

# finish: the test's verdict.
finish() {
  [[ $failed -eq 0 ]] || die "$failed check(s) failed"
  say "all checks passed"
}
