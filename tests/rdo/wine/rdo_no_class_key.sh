#!/usr/bin/env bash
# The RDO library's fixed class key is absent while its ProgID still creates the session,
# through a second class that names the same server DLL: no "RDO v." line, and the RDO
# probe otherwise runs as usual.
source "$(dirname "$0")/../../wine/wine_test.sh"
source "$QUORVEL_ROOT/tests/probe_support/wine/sim_server.sh"
source "$(dirname "$0")/rdo_trace.sh"

fixed_class='{FD5A1D69-8132-4B96-ACCF-65C1C3547D21}'
second_class='{274693BA-9529-4A3E-9473-304B77849A20}'

sim_setup ""
wine_reg delete "HKCR\\CLSID\\$fixed_class" /f >/dev/null 2>&1 ||
  die "could not remove the fixed class key"
wine_reg add 'HKCR\Sarnith.RDOSession\CLSID' /ve /d "$second_class" /f >/dev/null 2>&1 ||
  die "could not point the ProgID at the second class"
second_server=$(wine_reg query "HKCR\\CLSID\\$second_class\\InprocServer32" /ve 2>/dev/null | tr -d '\r')
[[ $second_server == *"$SIM_SERVER"* ]] || die "the second class does not name $SIM_SERVER"

quorvel_start "$STAGED_EXE"
run_to_delimiter 5
quorvel_stop

expect_eq "the RDO lines follow the CDO lines without a version line" \
  "Closing MAPI session
$RDO_ATTEMPT
$RDO_LINES_AFTER_LOGON" "$(lines_from 'Closing MAPI session')"
expect "the ProgID created the session" calls_in_order <<'CALLS'
create Sarnith.RDOSession
call rdo.session.LogonExchangeMailbox("jdoe", "EXSRV01")
CALLS

finish
