# shellcheck shell=bash
# The simulated MAPI server for one Wine test; sourced after tests/wine/wine_test.sh.
#
#   sim_setup SCENARIO          a fresh TEST_DIR holding a copy of the program (STAGED_EXE)
#                               and of the server DLL (QUORVEL_SIM_DLL), registered in the
#                               prefix for the length of the test (its Windows path in
#                               SIM_SERVER); the server's world follows the SCENARIO text and
#                               writes every call it receives to the file SIM_CALLS
#   case_section NAME FILE      the lines of the "--- NAME" section of a case file
#   calls_in_order              each line of stdin found in SIM_CALLS after the one before;
#                               a line ending in '*' matches any line that starts with the rest

sim_setup() {
  : "${QUORVEL_SIM_DLL:?the simulated MAPI server DLL}"
  # shellcheck disable=SC2034 # read by the test that sources this file
  STAGED_EXE=$(quorvel_stage "$QUORVEL_EXE" "$TEST_DIR")
  cp "$QUORVEL_SIM_DLL" "$TEST_DIR/"
  SIM_SERVER=$(wine_path "$TEST_DIR/$(basename "$QUORVEL_SIM_DLL")")
  wine_regsvr32 /s "$SIM_SERVER" >/dev/null 2>&1 || die "regsvr32 could not register $SIM_SERVER"
  on_exit "wine_regsvr32 /s /u '$SIM_SERVER' >/dev/null 2>&1"

  printf '%s\n' "$1" >"$TEST_DIR/scenario.txt"
  SIM_CALLS=$TEST_DIR/calls.log
  QUORVEL_SIM_SCENARIO=$(wine_path "$TEST_DIR/scenario.txt")
  QUORVEL_SIM_CALL_LOG=$(wine_path "$SIM_CALLS")
  export QUORVEL_SIM_SCENARIO QUORVEL_SIM_CALL_LOG
}

case_section() {
  awk -v want="--- $1" '/^--- / { inside = ($0 == want); next } inside' "$2"
}

calls_in_order() {
  local line=0 expected found
  while IFS= read -r expected; do
    # Through the environment: awk -v would read the backslashes as escapes.
    found=$(WANT=$expected awk -v from="$line" '
      BEGIN { want = ENVIRON["WANT"] }
      NR > from && (want ~ /\*$/ ? index($0, substr(want, 1, length(want) - 1)) == 1 : $0 == want) {
        print NR; exit }' "$SIM_CALLS")
    if [[ -z $found ]]; then
      say "not found after call-log line $line: $expected"
      return 1
    fi
    line=$found
  done
}
