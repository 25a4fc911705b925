#!/usr/bin/env bash
# A probe run with a server and an alias: the log file beside the program gains the run's
# opening delimiter, the time-stamped lines and the closing delimiter, each ending in
# CR LF; the trace box holds the same lines without time stamps or delimiters.
source "$(dirname "$0")/wine_test.sh"

quorvel_start "$(quorvel_stage "$QUORVEL_EXE" "$TEST_DIR")"
expect "the run reaches its closing delimiter" \
  qvdrive wait-window 60 set server EXSRV01 set alias jdoe mark-log click test wait-log-delim 240
box=$(qvdrive wait-window 5 get result)

log=$TEST_DIR/Quorvel.log
[[ -f $log ]] || die "no log file beside the program"
mapfile -t lines < <(tr -d '\r' <"$log")
[[ ${#lines[@]} -ge 2 ]] || die "the log holds ${#lines[@]} line(s)"
expect_eq "every line ends in CR LF" "${#lines[@]}" "$(grep -c $'\r$' "$log")"

delimiter='===================='
expect_eq "opening delimiter" "$delimiter" "${lines[0]}"
expect_eq "closing delimiter" "$delimiter" "${lines[-1]}"

# A stamp: the short date (no colon), a blank, the long time to the second.
stamp='^[^:]+ [0-9]{1,2}:[0-9]{2}:[0-9]{2}( [^:]*)?:'
messages=()
unstamped=0
for line in "${lines[@]:1:${#lines[@]}-2}"; do
  if [[ $line =~ $stamp ]]; then
    messages+=("${line#"${BASH_REMATCH[0]}"}")
  else
    unstamped=$((unstamped + 1))
    say "no time stamp: $line"
  fi
done
expect_eq "every line between the delimiters is time-stamped" 0 "$unstamped"
identity_line() { [[ ${messages[0]:-} == "Identity: "?* ]]; }
expect "first line: Identity: followed by the account" identity_line
expect_eq "second line" "Timer interval = 300000" "${messages[1]:-}"
expect_eq "trace box: the same lines without stamps" "$(printf '%s\n' "${messages[@]}")" "$box"

finish
