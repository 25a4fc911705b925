#!/usr/bin/env bash
# A first run whose CDO logon blocks past a one-minute time-out: the watchdog writes
# "    Timeout expired" and a delimiter line to the log and ends the program; the run's
# own closing delimiter never comes, and the session is not logged off.
source "$(dirname "$0")/../../wine/wine_test.sh"
source "$QUORVEL_ROOT/tests/probe_support/wine/sim_server.sh"

sim_setup "cdo.logon = block 90000 then ok"
quorvel_start "$STAGED_EXE"
expect "the program ends by itself" qvdrive wait-window 60 set server EXSRV01 set alias jdoe \
  set interval 1 mark-log click test wait-exit 150
quorvel_stop

# The log's lines without their time stamps (the short date, a blank, the long time).
messages=$(tr -d '\r' <"$TEST_DIR/Quorvel.log" |
  sed -E 's/^[^:]+ [0-9]{1,2}:[0-9]{2}:[0-9]{2}( [^:]*)?://')
expect_eq "the log ends with the logon, the time-out line and a delimiter" \
  'Logging on to MAPI session using EXSRV01\jdoe
    Timeout expired
====================' "$(printf '%s\n' "$messages" | tail -n 3)"
expect_eq "two delimiters: the run's opening one and the watchdog's" 2 \
  "$(printf '%s\n' "$messages" | grep -c '^====================$')"
expect_eq "the interval is one minute" 1 \
  "$(printf '%s\n' "$messages" | grep -c '^Timer interval = 60000$')"
expect_eq "nothing is logged off" 0 "$(grep -c 'Logoff' "$SIM_CALLS")"

finish
