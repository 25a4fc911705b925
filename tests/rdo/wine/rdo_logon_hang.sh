#!/usr/bin/env bash
# The RDO logon blocks for two and a half minutes under a one-minute time-out, after the
# CDO logon of the same run has returned: the watchdog writes "    Timeout expired" twice,
# the logon then returns, and the run finishes with its closing delimiter.
source "$(dirname "$0")/../../wine/wine_test.sh"
source "$QUORVEL_ROOT/tests/probe_support/wine/sim_server.sh"
source "$(dirname "$0")/rdo_trace.sh"

sim_setup "rdo.logon = block 150000 then ok"
quorvel_start "$STAGED_EXE"
run_to_delimiter 1
quorvel_stop

expect_eq "two time-out lines inside the logon, then the rest of the probe" \
  "$RDO_ATTEMPT
    Timeout expired
    Timeout expired
$RDO_LINES_AFTER_LOGON" "$(lines_from "$RDO_ATTEMPT")"

finish
