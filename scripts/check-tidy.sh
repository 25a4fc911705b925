#!/usr/bin/env bash
# scripts/check-tidy.sh: C and C++ files formatted as .clang-format says, and shell scripts
# free of shellcheck findings, among the files git tracks and new ones it does not ignore.
# Prints what it finds and one line per check, and ends with "N passed, N failed".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"
cd "$QUORVEL_ROOT"

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

checks_summary
