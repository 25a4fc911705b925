#!/usr/bin/env bash
# A healthy run of both probes: the trace box holds the example trace, with the simulated
# server's file version on the "RDO v." line, and the server saw the RDO calls in order and
# has no object left alive when the program closes.
source "$(dirname "$0")/../../wine/wine_test.sh"
source "$QUORVEL_ROOT/tests/probe_support/wine/sim_server.sh"
source "$(dirname "$0")/rdo_trace.sh"

sim_setup ""
quorvel_start "$STAGED_EXE"
run_to_delimiter 5
quorvel_stop

identity_line() { [[ $(printf '%s\n' "$BOX" | head -n 1) == "Identity: "?* ]]; }
expect "first line: Identity: followed by the account" identity_line
expect_eq "the example trace after the identity line" \
  "Timer interval = 300000
$CDO_LINES
RDO v.$QUORVEL_SIM_VERSION
$RDO_ATTEMPT
$RDO_LINES_AFTER_LOGON" "$(printf '%s\n' "$BOX" | tail -n +2)"
expect "the server's call log holds the RDO calls in order" calls_in_order <<'CALLS'
create Sarnith.RDOSession
call rdo.session.LogonExchangeMailbox("jdoe", "EXSRV01")
get rdo.session.LoggedOn()
call rdo.session.GetDefaultFolder(6)
get rdo.items.Count()
get rdo.addressentries.Count()
call rdo.addressbook.ShowAddressBook(VT_ERROR 0x80020004, VT_BSTR "Recipients", VT_BOOL 0, VT_BOOL -1, VT_I2 1, VT_BSTR "To", VT_BSTR "", VT_BSTR "", VT_I4 *
get rdo.recipients.Count()
call rdo.session.Logoff()
release rdo.session *
release rdo.folder *
CALLS
expect_eq "no simulated object is left alive" "unload (live 0)" "$(tail -n 1 "$SIM_CALLS")"

finish
