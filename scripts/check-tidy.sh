#!/usr/bin/env bash
# Keeps the house tidy: every C and C++ file formatted as the repository's .clang-format
# says, and every shell script free of shellcheck findings (following what it sources).
# Looks at the files git tracks and the new ones it does not ignore. Prints what it finds,
# one line per check, and ends with "N passed, N failed".
#
#   scripts/check-tidy.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
cd "$QUORVEL_ROOT"

passed=0
failed=0

# check WHAT COMMAND...: one check, counted; its findings are shown when it fails.
check() {
  local findings
  if findings=$("${@:2}" 2>&1); then
    say "ok: $1"
    passed=$((passed + 1))
  else
    say "FAILED: $1"
    printf '%s\n' "$findings" | sed 's/^/    /' >&2
    failed=$((failed + 1))
  fi
}

# files PATTERN...: the files of the work tree that match, tracked or new.
files() {
  git ls-files -z --cached --others --exclude-standard -- "$@"
}

formatted() {
  files '*.c' '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror
}

scripts_clean() {
  files '*.sh' .ci/run | xargs -0 -r shellcheck -x
}

check "C and C++ sources are formatted as .clang-format says" formatted
check "shell scripts have no shellcheck findings" scripts_clean

printf '%d passed, %d failed\n' "$passed" "$failed"
[[ $failed -eq 0 ]]
