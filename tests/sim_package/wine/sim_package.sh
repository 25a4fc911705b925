#!/usr/bin/env bash
# The simulator package as shipped (SIM_PACKAGE_ZIP, the dist target's), in a fresh Wine prefix
# of the test's own: quorvel-sim check and check --watchdog pass and leave nothing behind,
# neither a key in either registry view nor a temporary folder nor a process; where
# MAPI.Session is registered to another DLL, check and demo refuse and change nothing; a
# check of a quorvel.exe with one trace line changed fails the scenarios that show it and
# names the line; and demo healthy, its window closed by qvdrive, leaves nothing behind.
#
# Wine's HKEY_CLASSES_ROOT, unlike Windows', does not show the user's classes, nor does its
# COM find them, so the prefix gets the merged view through a link (user_classes_link.cpp):
# the launcher's own registration runs as it does on Windows. What Wine cannot show is how
# Windows itself merges and redirects the user's classes (sim/launcher/user_registration.h).
source "$(dirname "$0")/../../wine/wine_test.sh"

: "${SIM_PACKAGE_ZIP:?the simulator package}"
[[ -f $SIM_PACKAGE_ZIP ]] || die "no $SIM_PACKAGE_ZIP: build the dist target first"
# A class that is not the simulator's, in the place of the CDO library's.
readonly OTHER_CLSID='{0A1B2C3D-4E5F-4061-8273-94A5B6C7D8E9}'
readonly OTHER_SERVER='C:\Program Files\Other MAPI\other_session.dll'
readonly SIM_KEYS=(MAPI.Session Sarnith.RDOSession 'CLSID\{6DDFF1C6-66C3-4F7B-AA49-63A762B21DF2}'
  'CLSID\{FD5A1D69-8132-4B96-ACCF-65C1C3547D21}')

rm -rf "$TEST_DIR"
mkdir -p "$TEST_DIR"
# The fixture's session is left alone; this one has its own prefix and X server.
session=$TEST_DIR/session
on_exit "wine_session_down '$session' >/dev/null 2>&1"
unset DISPLAY
wine_session_up "$session" "$QUORVEL_WINE_BITS" on
wine_run wine "$USER_CLASSES_LINK_EXE" "$QUORVEL_WINE_BITS" || die "no merged classes view"

(cd "$TEST_DIR" && cmake -E tar xf "$SIM_PACKAGE_ZIP")
package=$TEST_DIR/$(basename "$SIM_PACKAGE_ZIP" .zip)
temp=$(wine_run winepath -u "$(wine_run wine cmd /c echo %TEMP% | tr -d '\r')")

# snapshot NAME: an export of the classes (the machine's, and the user's through the link) in
# the view the package's programs use, the one its registration writes. Each takes seconds.
snapshot() {
  wine_reg export 'HKLM\Software\Classes' "$(wine_path "$TEST_DIR/$1.reg")" /y >/dev/null
}
same_classes_as() { snapshot now && cmp "$TEST_DIR/$1.reg" "$TEST_DIR/now.reg"; }
# None of the simulator's keys in HKEY_CLASSES_ROOT, of either view.
no_simulator_key() {
  local key view found=()
  for key in "${SIM_KEYS[@]}"; do
    for view in 32 64; do
      wine_run wine reg query "HKCR\\$key" "/reg:$view" >/dev/null 2>&1 &&
        found+=("$key (/reg:$view)")
    done
  done
  [[ ${#found[@]} -eq 0 ]] || fail_with "found: ${found[*]}"
}
no_temporary_folder() {
  local left
  left=$(find "$temp" -maxdepth 1 -name 'quorvel-sim-*')
  [[ -z $left ]] || fail_with "left: $left"
}
# No program of this prefix runs but Wine's own.
no_program_left() {
  local pid left=()
  for pid in $(pgrep -f 'quorvel' || true); do
    grep -qz "^WINEPREFIX=$WINEPREFIX\$" "/proc/$pid/environ" 2>/dev/null &&
      left+=("$(tr '\0' ' ' <"/proc/$pid/cmdline")")
  done
  [[ ${#left[@]} -eq 0 ]] || fail_with "running: ${left[*]}"
}
nothing_left() {
  expect "$1: reg query finds none of the simulator's keys in either view" no_simulator_key
  expect "$1: no temporary folder is left" no_temporary_folder
  expect "$1: no program is left running" no_program_left
}

# launcher FOLDER ARG...: runs the folder's quorvel-sim.exe; its output in $output, its exit
# code in $status.
launcher() {
  status=0
  output=$(wine_run wine "$1/quorvel-sim.exe" "${@:2}" 2>&1) || status=$?
  printf '%s\n' "$output" | sed 's/^/    /' >&2
}
verdicts() { grep -E '^(PASS|FAIL|SKIP) ' <<<"$output" | cut -d: -f1; }

snapshot before

launcher "$package" check
expect_eq "check: exit code" 0 "$status"
expect_eq "check: a verdict a scenario" "PASS gal-error
PASS healthy
SKIP hung-logon
PASS logon-error
PASS no-inbox" "$(verdicts)"
expect_eq "check: the count closes it" "4 passed, 0 failed" "$(tail -n 1 <<<"$output")"
nothing_left check

launcher "$package" check --watchdog
expect_eq "check --watchdog: exit code" 0 "$status"
expect_eq "check --watchdog: the count closes it" "5 passed, 0 failed" "$(tail -n 1 <<<"$output")"
nothing_left "check --watchdog"

# One trace line changed in a copy of the program, the rest of its bytes as they were.
patched=$TEST_DIR/patched
cp -r "$package" "$patched"
utf16() {
  local i
  for ((i = 0; i < ${#1}; i++)); do printf '%s\\x00' "${1:i:1}"; done
}
LC_ALL=C perl -0777 -pi -e "\$n = s/$(utf16 'Successful logon')/$(utf16 'Successful Logon')/g;
  END { exit(\$n == 1 ? 0 : 1) }" "$patched/quorvel.exe" || die "no one 'Successful logon' to change"
launcher "$patched" check
expect_eq "changed line: exit code" 1 "$status"
expect_eq "changed line: the scenarios that show it fail" "FAIL gal-error
FAIL healthy
SKIP hung-logon
PASS logon-error
PASS no-inbox" "$(verdicts)"
names_the_line() {
  grep -qxF 'FAIL healthy: trace box line 6: expected "    Successful logon", got "    Successful Logon"' \
    <<<"$output"
}
expect "changed line: the failure names the line" names_the_line
nothing_left "changed line"

wine_reg add "HKLM\\Software\\Classes\\MAPI.Session\\CLSID" /ve /d "$OTHER_CLSID" /f >/dev/null
wine_reg add "HKLM\\Software\\Classes\\CLSID\\$OTHER_CLSID\\InprocServer32" /ve /d "$OTHER_SERVER" \
  /f >/dev/null
snapshot other
says_what_it_found() {
  grep -qF "MAPI.Session is registered to $OTHER_CLSID, served by $OTHER_SERVER" <<<"$output"
}
for verb in check "demo healthy"; do
  # shellcheck disable=SC2086 # the verb and its argument
  launcher "$package" $verb
  expect_eq "MAPI.Session elsewhere: $verb refuses" 2 "$status"
  expect "MAPI.Session elsewhere: $verb says what it found" says_what_it_found
done
expect "MAPI.Session elsewhere: the classes are as before, byte for byte" same_classes_as other
wine_reg delete "HKLM\\Software\\Classes\\MAPI.Session" /f >/dev/null
wine_reg delete "HKLM\\Software\\Classes\\CLSID\\$OTHER_CLSID" /f >/dev/null

wine "$package/quorvel-sim.exe" demo healthy </dev/null >"$TEST_DIR/demo.out" 2>&1 &
demo=$!
registered() { wine_reg query 'HKCR\MAPI.Session\CLSID' >/dev/null 2>&1; }
expect "demo: the window comes up" qvdrive wait-window 60
expect "demo: the classes are registered while it runs" registered
expect "demo: qvdrive closes the window" qvdrive wait-window 5 close
demo_status=0
wait "$demo" || demo_status=$?
sed 's/^/    /' "$TEST_DIR/demo.out" >&2
expect_eq "demo: exit code once the window is closed" 0 "$demo_status"
nothing_left demo
expect "after all: the classes are as before, byte for byte" same_classes_as before

finish
