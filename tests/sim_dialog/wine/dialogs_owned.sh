#!/usr/bin/env bash
# A whole run with both address book calls showing the simulated server's dialog, which
# closes itself with its first entry picked: each dialog is owned by the window handle the
# probe passed, which is the Quorvel window, keeps it disabled while open, and the probes
# report the one chosen recipient.
source "$(dirname "$0")/../../wine/wine_test.sh"
source "$QUORVEL_ROOT/tests/probe_support/wine/sim_server.sh"
source "$(dirname "$0")/dialog_calls.sh"

sim_setup "cdo.addressbook = dialog
rdo.showaddressbook = dialog"
export QUORVEL_SIM_DIALOG_AUTOCLOSE=1500
quorvel_start "$STAGED_EXE"
expect "the run reaches its closing delimiter" qvdrive wait-window 60 set server EXSRV01 \
  set alias jdoe mark-log click test wait-log-delim 120
box=$(qvdrive wait-window 5 get result | tr -d '\r')
quorvel_stop

expect "the CDO probe reports the chosen recipient" \
  grep -qx '    AddressBook returned 1 recipients' <<<"$box"
expect "the RDO probe reports the chosen recipient" \
  grep -qx '    ShowAddressBook returned 1 recipients' <<<"$box"

cdo_owner=$(owner_of cdo.session.AddressBook) || die "no CDO address book call in the call log"
rdo_owner=$(owner_of rdo.addressbook.ShowAddressBook) ||
  die "no RDO address book call in the call log"
expect_eq "both calls pass the same window" "$cdo_owner" "$rdo_owner"
expect "each dialog belongs to the Quorvel window and answers OK with its first entry" \
  calls_in_order < <(
    dialog_lines cdo.session.AddressBook "$cdo_owner" '"Alder, Maya"' 1
    printf '%s\n' 'get cdo.recipients.Count()'
    dialog_lines rdo.addressbook.ShowAddressBook "$rdo_owner" '"Alder, Maya"' 1
    printf '%s\n' 'get rdo.recipients.Count()'
  )
expect_eq "no simulated object is left alive" "unload (live 0)" "$(tail -n 1 "$SIM_CALLS")"

finish
