#!/usr/bin/env bash
# The input checks of a probe run: a missing server or alias shows its message box, puts
# the focus back in the empty box, and writes nothing, not even the log file.
source "$(dirname "$0")/wine_test.sh"

quorvel_start "$(quorvel_stage "$QUORVEL_EXE" "$TEST_DIR")"

# server | alias | message | box with the focus afterwards
cases=(
  "||You must enter the Server name!|server"
  "|jdoe|You must enter the Server name!|server"
  "EXSRV01||You must enter the Alias!|alias"
)
for case in "${cases[@]}"; do
  IFS='|' read -r server alias message focus <<<"$case"
  shown=$(qvdrive wait-window 60 set server "$server" set alias "$alias" click test \
    wait-message 30 focus) || shown="(no message box)"
  expect_eq "server '$server', alias '$alias': message, then focus" \
    "$message"$'\n'"$focus" "$shown"
done

no_second_message() { ! qvdrive wait-window 5 wait-message 2 >/dev/null 2>&1; }
expect "one message box per press" no_second_message
expect_eq "trace box untouched" "" "$(qvdrive wait-window 5 get result)"
no_log() { [[ ! -e $TEST_DIR/Quorvel.log ]]; }
expect "no Quorvel.log created" no_log

finish
