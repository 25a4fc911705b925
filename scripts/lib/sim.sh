# shellcheck shell=bash
# The simulated MAPI world under Wine: quorvel_sim.dll registered in the build's prefix as
# "MAPI.Session" and "Sarnith.RDOSession", following one of the named scenarios in
# sim/scenarios/ (NAME.txt; the sim's defaults are the healthy world, a scenario changes
# only what it names). A scenario may carry directives for the demo in comment lines:
#
#   # demo-timeout: 1          the time-out in minutes the demo types into its box
#   # demo-ends-by: watchdog   the demo run is meant to end through the watchdog

SIM_SCENARIO_DIR=$QUORVEL_ROOT/sim/scenarios

# sim_scenarios: the known scenario names, one a line.
sim_scenarios() {
  local file
  for file in "$SIM_SCENARIO_DIR"/*.txt; do
    basename "$file" .txt
  done
}

# sim_scenario_file NAME: the scenario's file. An unknown name ends the script with the
# list of the known ones.
sim_scenario_file() {
  local known
  while IFS= read -r known; do
    if [[ $known == "$1" ]]; then
      printf '%s/%s.txt\n' "$SIM_SCENARIO_DIR" "$1"
      return 0
    fi
  done < <(sim_scenarios)
  say "error: unknown scenario '$1'; the known scenarios are:"
  sim_scenarios | sed 's/^/  /' >&2
  exit 1
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
