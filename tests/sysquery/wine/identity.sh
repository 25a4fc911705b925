#!/usr/bin/env bash
# The program's "Identity: " line under Wine names the account of the process's own token,
# as the platform reports it for the token's SID (not by the program's own name lookup).
source "$(dirname "$0")/../../wine/wine_test.sh"

expected=$(wine_run wine "$PLATFORM_REPORT_EXE" identity | tr -d '\r')
[[ $expected == ?*\\?* ]] || die "the platform reports no DOMAIN\\user: '$expected'"
quorvel_start "$(quorvel_stage "$QUORVEL_EXE" "$TEST_DIR")"
expect "the run reaches its closing delimiter" \
  qvdrive wait-window 60 set server EXSRV01 set alias jdoe mark-log click test wait-log-delim 240
box=$(qvdrive wait-window 5 get result)
expect_eq "identity line" "Identity: $expected" "$(head -n 1 <<<"$box")"

finish
