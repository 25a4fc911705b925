# shellcheck shell=bash
# Counted checks for the check scripts: one "ok: WHAT" or "FAILED: WHAT" line per check,
# and the closing "N passed, N failed" line that scripts/test.sh reads.

passed=0
failed=0

# check WHAT COMMAND...: one check, counted.
check() {
  if "${@:2}"; then
    say "ok: $1"
    passed=$((passed + 1))
  else
    say "FAILED: $1"
    failed=$((failed + 1))
  fi
}

# fail_with WHY: says why a check fails, and fails; the last step of a check's function.
fail_with() {
  say "$*"
  return 1
}

# quietly COMMAND...: the command in a subshell (a die fails only it); its output on failure.
quietly() {
  local output
  output=$(mktemp)
  on_exit "rm -f '$output'"
  ("$@") >"$output" 2>&1 || {
    tail -n 20 "$output" >&2
    return 1
  }
}

# checks_summary: the closing line; fails when any check failed.
checks_summary() {
  printf '%d passed, %d failed\n' "$passed" "$failed"
  [[ $failed -eq 0 ]]
}
