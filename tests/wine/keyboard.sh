#!/usr/bin/env bash
# The window's keys, pressed as the keyboard delivers them (qvdrive's key): Esc does
# nothing in any box, idle or while a logon blocks pumping messages; Enter in an input box
# presses Test, and in the trace box starts a new line; Tab and Shift+Tab follow the tab
# order; each access key puts the focus in the box after its label.
source "$(dirname "$0")/wine_test.sh"
source "$QUORVEL_ROOT/tests/probe_support/wine/sim_server.sh"

sim_setup "cdo.logon = block 150000 then ok"
quorvel_start "$STAGED_EXE"
qvdrive wait-window 60 >/dev/null || die "no Quorvel window"

boxes=(server alias interval result)
# A multi-line edit that believes it sits in a dialog posts WM_CLOSE on Esc; the window
# closing within a second is what that looks like.
esc_keeps_the_window() {
  qvdrive wait-window 5 key "$1" esc && sleep 1 && qvdrive wait-window 1 rect >/dev/null
}
for box in "${boxes[@]}"; do
  expect "idle: Esc in $box leaves the window open" esc_keeps_the_window "$box"
done

# With the server box empty, a press of Test shows the server message.
for box in server alias interval; do
  shown=$(qvdrive wait-window 5 key "$box" enter wait-message 10 focus) || shown="(no message box)"
  expect_eq "Enter in $box presses Test" $'You must enter the Server name!\nserver' "$shown"
done
no_message() { ! qvdrive wait-window 5 wait-message 2 >/dev/null 2>&1; }
qvdrive wait-window 5 key result enter >/dev/null
expect "Enter in the trace box presses nothing" no_message
expect_eq "Enter in the trace box starts a new line" 2 "$(qvdrive wait-window 5 get result | wc -l)"
qvdrive wait-window 5 set result "" >/dev/null

order=(server alias interval test result)
for i in "${!order[@]}"; do
  box=${order[i]}
  expect_eq "Tab from $box" "${order[(i + 1) % 5]}" "$(qvdrive wait-window 5 key "$box" tab focus)"
  expect_eq "Shift+Tab from $box" "${order[(i + 4) % 5]}" \
    "$(qvdrive wait-window 5 key "$box" shift+tab focus)"
done

for access in alt+e:server alt+a:alias alt+t:interval; do
  expect_eq "${access%:*} from the trace box" "${access#*:}" \
    "$(qvdrive wait-window 5 key result "${access%:*}" focus)"
done

# During a run: the CDO logon blocks, pumping messages, for longer than the test takes.
qvdrive wait-window 5 set server EXSRV01 set alias jdoe click test >/dev/null
logon='Logging on to MAPI session using EXSRV01\jdoe'
logon_shown() { qvdrive wait-window 5 get result | grep -qxF "$logon"; }
waited=0
until logon_shown || ((waited++ == 60)); do sleep 1; done
expect "the run waits inside the CDO logon" logon_shown
for box in "${boxes[@]}"; do
  expect "during the logon: Esc in $box leaves the window open" esc_keeps_the_window "$box"
done
expect_eq "the trace box still ends with the logon line" "$logon" \
  "$(qvdrive wait-window 5 get result | awk 'NF { last = $0 } END { print last }')"

finish
