# One probe run of the real program under Wine against the simulated MAPI server, set up
# by the case file that CDO_CASE_FILE names:
#
#   --- scenario     lines for the simulated world (may be empty: the healthy world)
#   --- trace        the CDO probe's lines, from "Instantiating CDO" on, as the box shows them
#   --- calls        lines the server's call log must hold, in this order (others may lie
#                    between); a line ending in '*' matches any line that starts with it
#
# The server DLL is registered in the build's Wine prefix for the length of the test only.
source "$(dirname "$0")/../../wine/wine_test.sh"

case_file=${CDO_CASE_FILE:?the case file}
TEST_DIR=$QUORVEL_BUILD_DIR/wine-tests/cdo-$(basename "$case_file" .case)
: "${QUORVEL_SIM_DLL:?the simulated MAPI server DLL}"

# section NAME: the lines of one section of the case file.
section() {
  awk -v want="--- $1" '/^--- / { inside = ($0 == want); next } inside' "$case_file"
}

exe=$(quorvel_stage "$QUORVEL_EXE" "$TEST_DIR")
cp "$QUORVEL_SIM_DLL" "$TEST_DIR/"
server=$(winepath -w "$TEST_DIR/$(basename "$QUORVEL_SIM_DLL")")
wine regsvr32 /s "$server" >/dev/null 2>&1 || die "regsvr32 could not register $server"
on_exit "wine regsvr32 /s /u '$server' >/dev/null 2>&1"

section scenario >"$TEST_DIR/scenario.txt"
calls_file=$TEST_DIR/calls.log
QUORVEL_SIM_SCENARIO=$(winepath -w "$TEST_DIR/scenario.txt")
QUORVEL_SIM_CALL_LOG=$(winepath -w "$calls_file")
export QUORVEL_SIM_SCENARIO QUORVEL_SIM_CALL_LOG

quorvel_start "$exe"
expect "the run reaches its closing delimiter" \
  qvdrive wait-window 60 set server EXSRV01 set alias jdoe mark-log click test wait-log-delim 240
box=$(qvdrive wait-window 5 get result | tr -d '\r')
quorvel_stop

expect_eq "the CDO probe's lines" "$(section trace)" \
  "$(printf '%s\n' "$box" | sed -n '/^Instantiating CDO$/,/^Closing MAPI session$/p')"

# in_order: each expected call in turn, searched for after the previous one.
in_order() {
  local line=0 expected found
  while IFS= read -r expected; do
    # Through the environment: awk -v would read the backslashes as escapes.
    found=$(WANT=$expected awk -v from="$line" '
      BEGIN { want = ENVIRON["WANT"] }
      NR > from && (want ~ /\*$/ ? index($0, substr(want, 1, length(want) - 1)) == 1 : $0 == want) {
        print NR; exit }' "$calls_file")
    if [[ -z $found ]]; then
      say "not found after call-log line $line: $expected"
      return 1
    fi
    line=$found
  done < <(section calls)
}
expect "the server's call log holds the expected calls in order" in_order
expect_eq "no simulated object is left alive" "unload (live 0)" "$(tail -n 1 "$calls_file")"

finish
