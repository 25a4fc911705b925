# shellcheck shell=bash
# The simulated MAPI world under Wine: quorvel_sim.dll registered in the build's prefix as
# "MAPI.Session" and "Sarnith.RDOSession", following one of the scenarios sim/scenarios/*.txt,
# whose comment lines may tell the demo what to do: "# demo-timeout: N" (the time-out in
# minutes it types) and "# demo-ends-by: watchdog" (the run is meant to end through it).

SIM_SCENARIO_DIR=$QUORVEL_ROOT/sim/scenarios

# sim_scenario_file NAME: the scenario's file. An unknown name ends the script with the
# list of the known ones.
sim_scenario_file() {
  local file=$SIM_SCENARIO_DIR/$1.txt known
  if [[ $1 == */* || ! -f $file ]]; then
    say "error: unknown scenario '$1'; the known scenarios are:"
    for known in "$SIM_SCENARIO_DIR"/*.txt; do
      basename "$known" .txt
    done | sed 's/^/  /' >&2
    exit 1
  fi
  printf '%s\n' "$file"
}

# sim_directive FILE NAME: the value of the scenario's "# NAME: value" line, or nothing.
sim_directive() {
  sed -n "s/^# *$2: *\\([^ ]*\\) *\$/\\1/p" "$1" | tr -d '\r' | head -n 1
}

# sim_register DLL SCENARIO_FILE: registers the server in WINEPREFIX until the script ends,
# and points it at the scenario (the server reads QUORVEL_SIM_SCENARIO when first used).
sim_register() {
  local server
  server=$(wine_path "$1")
  wine_regsvr32 /s "$server" >/dev/null 2>&1 || die "regsvr32 could not register $server"
  on_exit "wine_regsvr32 /s /u '$server' >/dev/null 2>&1"
  QUORVEL_SIM_SCENARIO=$(wine_path "$2")
  export QUORVEL_SIM_SCENARIO
}

# sim_dialogs_close_themselves: with nobody at the screen, each simulated address book
# dialog picks its first entry and presses OK after a moment.
sim_dialogs_close_themselves() {
  export QUORVEL_SIM_DIALOG_AUTOCLOSE=1500
}
