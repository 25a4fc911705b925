#!/usr/bin/env bash
# scripts/check-package.sh ZIP...: checks Windows packages (the `dist` target's, or signed by
# scripts/sign.sh) as shipped: the zip's files, line ends and sizes, its SHA256SUMS, and what
# quorvel.exe imports, names and carries; in a simulator package (quorvel-sim-*.zip) also its
# launcher and server, and that its quorvel.exe is the release's. One line per check, then
# "N passed, N failed".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"

# The DLLs quorvel.exe loads: with the program, these Known DLLs, which Windows loads from
# its own directory only, never from beside the program;
# shellcheck disable=SC2034 # these lists are read through check_program's namerefs
readonly IMPORTED_DLLS=(gdi32 kernel32 msvcrt user32)
# and these by name at their first use, through its own binding, from the system directory
# only (dll_binding_win32.cpp; the Wine test WinePlantedVersionDllIsNeverLoaded).
# shellcheck disable=SC2034
readonly BOUND_DLLS=(advapi32 kernel32 ole32 oleaut32 version)
# The sizes the README promises, in bytes: the packed program, and the zip.
readonly MAX_EXE_BYTES=$((512 * 1024))
readonly MAX_ZIP_BYTES=$((256 * 1024))
# The files a package holds, in name order.
readonly PACKAGE_FILES=(README.txt quorvel.exe reading-a-trace.txt)
readonly TEXT_FILES=(README.txt reading-a-trace.txt)

# The simulator package: the launcher imports Known DLLs only, and binds the one DLL it uses
# that is none, and ntdll's RtlGetVersion, from the system directory (sim/launcher/);
# shellcheck disable=SC2034
readonly LAUNCHER_IMPORTED_DLLS=(advapi32 gdi32 kernel32 msvcrt ole32 user32)
# shellcheck disable=SC2034
readonly LAUNCHER_BOUND_DLLS=(ntdll wintrust)
# the simulated server imports Known DLLs only;
readonly SERVER_IMPORTED_DLLS=(advapi32 kernel32 msvcrt ole32 oleaut32 user32)
# every program in it, statically linked, at most this big, and the zip;
readonly MAX_SIM_PROGRAM_BYTES=$((2 * 1024 * 1024))
readonly MAX_SIM_ZIP_BYTES=$((1536 * 1024))
# the scenarios it holds are the source tree's.
mapfile -t SIM_SCENARIOS < <(cd "$QUORVEL_ROOT/sim/scenarios" && LC_ALL=C ls -- *.txt)
readonly SIM_SCENARIOS

# The package being checked, unpacked, and one section of the program's.
unpacked=$(mktemp -d)
on_exit "rm -rf '$unpacked'"
section=$(mktemp)
on_exit "rm -f '$section'"

# holds_exactly FILE...: the package's folder holds these files (in name order), and no other.
holds_exactly() {
  local actual expected
  actual=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
  expected=$(printf "$name/%s\n" "$@")
  [[ $actual == "$expected" ]] || fail_with "the zip holds: $actual"
}

# has_crlf_line_ends FILE: not empty, and every line ends with CR LF.
has_crlf_line_ends() {
  [[ -s $1 && $(tail -c 2 "$1" | od -An -tx1) == " 0d 0a" ]] && ! grep -q $'[^\r]$\|^$' "$1"
}

is_at_most() {
  local size
  size=$(stat -c %s "$1")
  ((size <= $2)) || fail_with "$(basename "$1") is $size bytes"
}

# The SHA256SUMS beside the zip has a line for it, and sha256sum finds the zip matches it.
sums_vouch_for_the_zip() {
  local line
  line=$(awk -v zip="$name.zip" '$2 == zip' "$sums" 2>/dev/null)
  if [[ -z $line ]]; then
    fail_with "no line for $name.zip in $sums"
  else
    (cd "$(dirname "$sums")" && sha256sum --check --status <<<"$line")
  fi
}

# The header's TimeDateStamp is zero, so that every build gives the same bytes; the PE
# header starts at the DOS header's e_lfanew (offset 60), and the stamp is 8 bytes into it.
has_no_link_time() {
  local header stamp
  header=$(od -An -tu4 -j 60 -N 4 "$exe")
  stamp=$(od -An -tx4 -j $((header + 8)) -N 4 "$exe")
  [[ $stamp == " 00000000" ]] || fail_with "link time stamp: 0x${stamp# }"
}

# section_strings NAME: the NUL-terminated strings of one section of the program, one a line.
section_strings() {
  x86_64-w64-mingw32-objcopy -O binary --only-section="$1" "$exe" "$section"
  tr '\0' '\n' <"$section"
}

# The DLL names of a list, one a line, in lower case without .dll, sorted.
dll_names() {
  sed -n 's/^\(.*\)\.dll$/\1/ip' | tr '[:upper:]' '[:lower:]' | LC_ALL=C sort -u
}

# imports_exactly DLL...: the import table names the DLLs loaded with the program. GNU ld leaves
# the header's delay import directory empty even when there are delay imports, but the import
# data names their DLLs too, so a name in the import data that the import table lacks is a
# delay import.
imports_exactly() {
  local expected table data
  expected=$(printf '%s\n' "$@" | LC_ALL=C sort)
  table=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | dll_names)
  data=$(section_strings .idata | dll_names)
  [[ $table == "$expected" && $data == "$expected" ]] ||
    fail_with "import table: ${table//$'\n'/ }; import data: ${data//$'\n'/ }"
}

# names_bound DLL...: each DLL bound at run time is named in the program's read-only data,
# where the binding's names of its DLLs are ("ole32.dll", NUL-terminated); the import data
# would not do.
names_bound() {
  local dll named missing=()
  named=$(section_strings .rdata | grep -ax '[a-z0-9]*\.dll')
  for dll in "$@"; do
    grep -qx "$dll\.dll" <<<"$named" || missing+=("$dll")
  done
  [[ ${#missing[@]} -eq 0 ]] || fail_with "not named: ${missing[*]}"
}

# The header's DllCharacteristics mark the program Terminal Server aware (0x8000), so that a
# Remote Desktop Session Host applies no legacy-application compatibility to its process.
is_terminal_server_aware() {
  local flags
  flags=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '$1 == "DllCharacteristics" { print $2 }')
  (((16#${flags:-0} & 0x8000) != 0)) || fail_with "DllCharacteristics 0x$flags"
}

readonly RT_VERSION=0x000010 RT_MANIFEST=0x000018
# has_one_resource TYPE: exactly one resource (language leaf) of that type.
has_one_resource() {
  local count
  count=$(x86_64-w64-mingw32-objdump -p "$exe" | awk -v want="$1" '
    /The .rsrc Resource Directory section/ { inside = 1; next }
    /Resources start at offset/ { inside = 0 }
    inside && /^[0-9a-f]+   Entry: / { type = $4; sub(/,$/, "", type) }
    inside && /Leaf:/ && type == want { leaves++ }
    END { print leaves + 0 }')
  [[ $count -eq 1 ]] || fail_with "$count resources of type $1"
}

# open_package ZIP: unpacks it, and sets what the checks read: its name, the format of its
# programs and the SHA256SUMS beside it.
open_package() {
  name=$(basename "$1" .zip)
  case $name in
    quorvel-*-win64 | quorvel-*-win64-signed) format=pei-x86-64 ;;
    quorvel-*-win32 | quorvel-*-win32-signed) format=pei-i386 ;;
    *) die "not a package's name: $name" ;;
  esac
  rm -rf "${unpacked:?}"/*
  (cd "$unpacked" && cmake -E tar xf "$1")
  sums=$(dirname "$1")/SHA256SUMS
  say "checking $1"
}

# check_text_files FILE...: each of the package's text files ends every line with CR LF.
check_text_files() {
  local text
  for text in "$@"; do
    check "$text ends every line with CR LF" has_crlf_line_ends "$unpacked/$name/$text"
  done
}

# check_program FILE IMPORTS BOUND: the checks of one program of the package, given the names
# of the arrays of the DLLs it imports and of those it binds at run time.
check_program() {
  local -n imports=$2 bound=$3
  local program
  exe=$1
  program=$(basename "$exe")
  check "$program is $format" grep -q "file format $format\$" <(x86_64-w64-mingw32-objdump -f "$exe")
  check "$program carries no link time" has_no_link_time
  check "$program is marked Terminal Server aware" is_terminal_server_aware
  check "$program imports ${imports[*]} and nothing else, none of them delayed" \
    imports_exactly "${imports[@]}"
  check "$program names ${bound[*]}, the DLLs it binds at run time" names_bound "${bound[@]}"
  check "$program carries exactly one manifest" has_one_resource "$RT_MANIFEST"
  check "$program carries exactly one version resource" has_one_resource "$RT_VERSION"
}

# check_package ZIP: every check of one release package.
check_package() {
  local zip=$1
  open_package "$zip"
  check "the zip holds ${PACKAGE_FILES[*]} in $name/, and nothing else" \
    holds_exactly "${PACKAGE_FILES[@]}"
  check_text_files "${TEXT_FILES[@]}"
  check "the zip is at most $MAX_ZIP_BYTES bytes" is_at_most "$zip" "$MAX_ZIP_BYTES"
  check "quorvel.exe is at most $MAX_EXE_BYTES bytes" is_at_most "$unpacked/$name/quorvel.exe" \
    "$MAX_EXE_BYTES"
  check "SHA256SUMS beside the zip holds its SHA-256" sums_vouch_for_the_zip
  check_program "$unpacked/$name/quorvel.exe" IMPORTED_DLLS BOUND_DLLS
}

# is_the_release_program RELEASE_ZIP: the package's quorvel.exe is that zip's, byte for byte.
is_the_release_program() {
  local release=$1 from
  from=$(mktemp -d)
  (cd "$from" && cmake -E tar xf "$release") &&
    cmp "$from/$(basename "$release" .zip)/quorvel.exe" "$unpacked/$name/quorvel.exe"
  rm -rf "$from"
}

# check_sim_package ZIP: every check of one simulator package; the release's zip beside it,
# if there, must hold the same quorvel.exe.
check_sim_package() {
  local zip=$1 folder program release files
  open_package "$zip"
  folder=$unpacked/$name
  files=(README.txt quorvel-sim.exe quorvel.exe quorvel_sim.dll "${SIM_SCENARIOS[@]/#/scenarios/}")
  check "the zip holds README.txt, the programs and the scenarios in $name/, and nothing else" \
    holds_exactly "${files[@]}"
  check_text_files README.txt "${SIM_SCENARIOS[@]/#/scenarios/}"
  check "the zip is at most $MAX_SIM_ZIP_BYTES bytes" is_at_most "$zip" "$MAX_SIM_ZIP_BYTES"
  for program in quorvel-sim.exe quorvel.exe quorvel_sim.dll; do
    check "$program is at most $MAX_SIM_PROGRAM_BYTES bytes" is_at_most "$folder/$program" \
      "$MAX_SIM_PROGRAM_BYTES"
  done
  check "SHA256SUMS beside the zip holds its SHA-256" sums_vouch_for_the_zip
  check_program "$folder/quorvel.exe" IMPORTED_DLLS BOUND_DLLS
  check_program "$folder/quorvel-sim.exe" LAUNCHER_IMPORTED_DLLS LAUNCHER_BOUND_DLLS
  exe=$folder/quorvel_sim.dll
  check "quorvel_sim.dll is $format" grep -q "file format $format\$" <(x86_64-w64-mingw32-objdump -f "$exe")
  check "quorvel_sim.dll carries no link time" has_no_link_time
  check "quorvel_sim.dll imports ${SERVER_IMPORTED_DLLS[*]} and nothing else, none of them delayed" \
    imports_exactly "${SERVER_IMPORTED_DLLS[@]}"
  check "quorvel_sim.dll carries exactly one version resource" has_one_resource "$RT_VERSION"
  release=$(dirname "$zip")/${name/quorvel-sim-/quorvel-}.zip
  if [[ -f $release ]]; then
    check "quorvel.exe is $(basename "$release")'s, byte for byte" is_the_release_program "$release"
  fi
}

[[ $# -ge 1 ]] || die "usage: $0 ZIP..."
for zip in "$@"; do
  [[ -f $zip ]] || die "no such package: $zip (build the dist target)"
  case $(basename "$zip") in
    quorvel-sim-*) check_sim_package "$(realpath "$zip")" ;;
    *) check_package "$(realpath "$zip")" ;;
  esac
done
checks_summary
