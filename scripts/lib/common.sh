# shellcheck shell=bash
# Sourced by every script: the repository root, messages, and one exit trap that runs the
# registered clean-up steps in reverse order (last started, first stopped).

# shellcheck disable=SC2034 # read by the scripts that source this file
QUORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

say() { printf '[%s] %s\n' "$(basename "$0")" "$*" >&2; }
die() {
  say "error: $*"
  exit 1
}

_quorvel_cleanups=()
_quorvel_run_cleanups() {
  local step
  for step in "${_quorvel_cleanups[@]}"; do
    eval "$step" || true
  done
  _quorvel_cleanups=()
}

# on_exit COMMAND: run COMMAND when the script ends, however it ends.
on_exit() {
  _quorvel_cleanups=("$1" "${_quorvel_cleanups[@]}")
  trap _quorvel_run_cleanups EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}
