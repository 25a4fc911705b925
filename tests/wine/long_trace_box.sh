#!/usr/bin/env bash
# The trace box keeps far more than an edit control's default 32K characters: after text
# typed into it and enough runs to pass that size, every run's lines are still at its end.
source "$(dirname "$0")/wine_test.sh"

quorvel_start "$(quorvel_stage "$QUORVEL_EXE" "$TEST_DIR")"
typed=$(head -c 32000 /dev/zero | tr '\0' 'x')
expect "the box takes 32,000 typed characters" qvdrive wait-window 60 set result "$typed"

runs=8
for ((run = 1; run <= runs; run++)); do
  qvdrive wait-window 10 set server EXSRV01 set alias jdoe mark-log click test \
    wait-log-delim 120 >/dev/null || die "run $run did not reach its closing delimiter"
done
box=$(qvdrive wait-window 5 get result)

# The box's lines after the typed text, as the log holds them without stamps or delimiters.
mapfile -t logged < <(tr -d '\r' <"$TEST_DIR/Quorvel.log" | grep -v '^====================$' |
  sed -E 's/^[^:]+ [0-9]{1,2}:[0-9]{2}:[0-9]{2}( [^:]*)?://')
expected="$typed$(printf '%s\n' "${logged[@]}")"
expect "the box outgrew 32,767 characters" test "${#box}" -gt 32767
expect_eq "the typed text, then every line of all $runs runs" "$expected" "$box"

finish
