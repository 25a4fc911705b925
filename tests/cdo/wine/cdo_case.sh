#!/usr/bin/env bash
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
source "$QUORVEL_ROOT/tests/probe_support/wine/sim_server.sh"

case_file=${CDO_CASE_FILE:?the case file}
TEST_DIR=$QUORVEL_BUILD_DIR/wine-tests/cdo-$(basename "$case_file" .case)

sim_setup "$(case_section scenario "$case_file")"

quorvel_start "$STAGED_EXE"
expect "the run reaches its closing delimiter" \
  qvdrive wait-window 60 set server EXSRV01 set alias jdoe mark-log click test wait-log-delim 240
box=$(qvdrive wait-window 5 get result | tr -d '\r')
quorvel_stop

expect_eq "the CDO probe's lines" "$(case_section trace "$case_file")" \
  "$(printf '%s\n' "$box" | sed -n '/^Instantiating CDO$/,/^Closing MAPI session$/p')"
expect "the server's call log holds the expected calls in order" \
  calls_in_order < <(case_section calls "$case_file")
expect_eq "no simulated object is left alive" "unload (live 0)" "$(tail -n 1 "$SIM_CALLS")"

finish
