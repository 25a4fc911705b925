#!/usr/bin/env bash
# The CDO address book dialog stays open for 70 s under a one-minute time-out, after the
# run's logon has returned: the watchdog writes "    Timeout expired" while the dialog is
# still open (the owner's timer keeps ticking inside the dialog's modal loop), does not end
# the program, and the run goes on to its closing delimiter once the dialog closes.
source "$(dirname "$0")/../../wine/wine_test.sh"
source "$QUORVEL_ROOT/tests/probe_support/wine/sim_server.sh"
source "$(dirname "$0")/dialog_calls.sh"

sim_setup "cdo.addressbook = dialog"
export QUORVEL_SIM_DIALOG_AUTOCLOSE=70000
quorvel_start "$STAGED_EXE"
qvdrive wait-window 60 set server EXSRV01 set alias jdoe set interval 1 mark-log click test \
  wait-log-delim 200 >/dev/null &
driver=$!

# The state of the dialog, from the server's call log, when the time-out line is logged.
log=$TEST_DIR/Quorvel.log
dialog_state=never
for ((tries = 0; tries < 200; tries++)); do
  if [[ -f $log ]] && grep -q ':    Timeout expired' "$log"; then
    if grep -q '^dialog closing' "$SIM_CALLS"; then
      dialog_state=closed
    elif grep -q '^dialog window owner' "$SIM_CALLS"; then
      dialog_state=open
    else
      dialog_state="not yet shown"
    fi
    break
  fi
  sleep 0.5
done
expect_eq "the time-out line is logged while the dialog is open" open "$dialog_state"

driver_status=0
wait "$driver" || driver_status=$?
expect_eq "the run then reaches its closing delimiter" 0 "$driver_status"
box=$(qvdrive wait-window 5 get result | tr -d '\r')
quorvel_stop

expect_eq "one time-out line inside the dialog, then the rest of the CDO probe" \
  'Calling ShowAddressBook
    Timeout expired
    AddressBook returned 1 recipients
Closing MAPI session' "$(printf '%s\n' "$box" | sed -n '/^Calling ShowAddressBook$/,/^Closing MAPI session$/{p;/^Closing/q}')"
expect "the RDO probe runs after it" grep -qx '    ShowAddressBook returned 1 recipients' <<<"$box"
expect "the dialog closed by itself with its first entry" calls_in_order < <(
  dialog_lines cdo.session.AddressBook "$(owner_of cdo.session.AddressBook)" '"Alder, Maya"' 1)

finish
