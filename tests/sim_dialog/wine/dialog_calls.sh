# shellcheck shell=bash
# What the dialog Wine tests share; sourced after tests/probe_support/wine/sim_server.sh.

# owner_of MEMBER: the window handle (as 0x%08X) that the server's call log shows the
# address book call MEMBER ("cdo.session.AddressBook") was given as its last argument.
owner_of() {
  local handle
  handle=$(sed -n "s/^call $1(.*, VT_I4 \(-\{0,1\}[0-9]*\))\$/\1/p" "$SIM_CALLS" | head -n 1)
  [[ -n $handle ]] || return 1
  printf '0x%08X\n' "$((handle & 0xFFFFFFFF))"
}

# dialog_lines MEMBER OWNER PICKED CHOSEN: the call-log lines of one address book dialog
# owned by the Quorvel window OWNER, closed by OK with PICKED entries (as the log writes
# them) and answering CHOSEN recipients.
dialog_lines() {
  printf '%s\n' "call $1(*" \
    "show dialog \"Recipients\" for owner $2" \
    "dialog window owner $2 class \"QuorvelForm1\" caption \"Quorvel\"" \
    "dialog closing: owner disabled, picked $3" \
    "dialog answered OK, $4 chosen"
}
