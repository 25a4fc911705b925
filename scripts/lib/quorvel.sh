# shellcheck shell=bash
# Running quorvel.exe under Wine from a folder of its own (its log goes beside it, so
# separate folders keep separate logs) and driving it with qvdrive.

# quorvel_stage EXE DIR: a fresh DIR holding a copy of EXE; prints the copy's path.
quorvel_stage() {
  rm -rf "$2"
  mkdir -p "$2"
  cp "$1" "$2/"
  printf '%s/%s\n' "$2" "$(basename "$1")"
}

# quorvel_start EXE: starts the program in the background; on_exit closes it again.
quorvel_start() {
  wine "$1" </dev/null >/dev/null 2>&1 &
  QUORVEL_PID=$!
  on_exit quorvel_stop
}

# quorvel_stop: closes the window and waits for the program; kills it if it hangs on.
quorvel_stop() {
  [[ -n ${QUORVEL_PID:-} ]] || return 0
  if kill -0 "$QUORVEL_PID" 2>/dev/null; then
    qvdrive wait-window 1 close wait-exit 10 >/dev/null 2>&1 || kill "$QUORVEL_PID" 2>/dev/null
  fi
  wait "$QUORVEL_PID" 2>/dev/null
  QUORVEL_PID=
}

# qvdrive COMMAND...: the UI driver (QVDRIVE_EXE).
qvdrive() {
  wine_run wine "$QVDRIVE_EXE" "$@"
}

