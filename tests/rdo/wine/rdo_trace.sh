# shellcheck shell=bash
# What the RDO Wine tests share: the lines a healthy run writes, and the box's lines from
# a given line on. Sourced after tests/wine/wine_test.sh.

: "${QUORVEL_SIM_VERSION:?the file version of the simulated server DLL}"

# The CDO probe's lines of a healthy run.
# shellcheck disable=SC2034 # read by the scripts that source this file
CDO_LINES='Instantiating CDO
Logging on to MAPI session using EXSRV01\jdoe
    Session name: jdoe
    Successful logon
Calling ShowAddressBook
    AddressBook returned 1 recipients
Closing MAPI session'

# The RDO probe's lines of a healthy run after its logon.
# shellcheck disable=SC2034 # read by the scripts that source this file
RDO_LINES_AFTER_LOGON='    LogonExchangeMailbox returned LoggedOn = True, checking Inbox
    Retrieved Inbox. Message count = 12
Attempting to retrieve AddressBook
    Retrieved AddressBook, fetching GAL
        Retrieved GAL, getting count of address entries
        GAL.AddressEntries.Count = 250
Calling ShowAddressBook
    ShowAddressBook returned 1 recipients'

# shellcheck disable=SC2034 # read by the scripts that source this file
RDO_ATTEMPT='Attempting LogonExchangeMailbox using jdoe, EXSRV01'

# run_to_delimiter INTERVAL: types the inputs, presses Test and waits for the run's closing
# delimiter; BOX is then the trace box's text.
run_to_delimiter() {
  expect "the run reaches its closing delimiter" qvdrive wait-window 60 set server EXSRV01 \
    set alias jdoe set interval "$1" mark-log click test wait-log-delim 280
  BOX=$(qvdrive wait-window 5 get result | tr -d '\r')
}

# lines_from LINE: BOX's lines from the first that equals LINE.
lines_from() {
  printf '%s\n' "$BOX" | awk -v want="$1" '$0 == want { found = 1 } found'
}
