# shellcheck shell=bash
# Running quorvel.exe under Wine against the simulated MAPI server, and driving it with
# qvdrive; from a folder of its own, as its log goes beside it.

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

# sim_register DLL SCENARIO_FILE: registers the simulated server in WINEPREFIX until the script
# ends, pointed at the scenario (read at first use): the healthy world but for what it names.
sim_register() {
  local server
  server=$(wine_path "$1")
  wine_regsvr32 /s "$server" >/dev/null 2>&1 || die "regsvr32 could not register $server"
  on_exit "wine_regsvr32 /s /u '$server' >/dev/null 2>&1"
  QUORVEL_SIM_SCENARIO=$(wine_path "$2")
  export QUORVEL_SIM_SCENARIO
}

# sim_dialogs_close_themselves: each simulated address book dialog picks its first entry and
# presses OK after a moment, for nobody at the screen.
sim_dialogs_close_themselves() {
  export QUORVEL_SIM_DIALOG_AUTOCLOSE=1500
}
