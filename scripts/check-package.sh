#!/usr/bin/env bash
# scripts/check-package.sh ZIP...: checks Windows packages (the `dist` target's, or signed by
# scripts/sign.sh) as shipped: the zip's files, line ends and sizes, its SHA256SUMS, and what
# quorvel.exe imports, names and carries. One line per check, then "N passed, N failed".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"

# The DLLs quorvel.exe loads: with the program, these Known DLLs, which Windows loads from
# its own directory only, never from beside the program;
readonly IMPORTED_DLLS=(gdi32 kernel32 msvcrt user32)
# and these by name at their first use, through its own binding, from the system directory
# only (dll_binding_win32.cpp; the Wine test WinePlantedVersionDllIsNeverLoaded).
readonly BOUND_DLLS=(advapi32 kernel32 ole32 oleaut32 version)
# The sizes the README promises, in bytes: the packed program, and the zip.
readonly MAX_EXE_BYTES=$((512 * 1024))
readonly MAX_ZIP_BYTES=$((256 * 1024))
# The files a package holds, in name order.
readonly PACKAGE_FILES=(README.txt quorvel.exe reading-a-trace.txt)
readonly TEXT_FILES=(README.txt reading-a-trace.txt)

# The package being checked, unpacked, and one section of the program's.
unpacked=$(mktemp -d)
on_exit "rm -rf '$unpacked'"
section=$(mktemp)
on_exit "rm -f '$section'"

holds_exactly_its_files() {
  local actual expected
  actual=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
  expected=$(printf '%s\n' "${PACKAGE_FILES[@]/#/$name/}")
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

# The import table names the DLLs loaded with the program. GNU ld leaves the header's delay
# import directory empty even when there are delay imports, but the import data names
# their DLLs too, so a name in the import data that the import table lacks is a delay import.
imports_exactly_its_dlls() {
  local expected table data
  expected=$(printf '%s\n' "${IMPORTED_DLLS[@]}" | LC_ALL=C sort)
  table=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | dll_names)
  data=$(section_strings .idata | dll_names)
  [[ $table == "$expected" && $data == "$expected" ]] ||
    fail_with "import table: ${table//$'\n'/ }; import data: ${data//$'\n'/ }"
}

# Each DLL bound at run time is named in the program's read-only data, where the binding's
# names of its DLLs are ("ole32.dll", NUL-terminated); the import data would not do.
names_its_bound_dlls() {
  local dll named missing=()
  named=$(section_strings .rdata | grep -ax '[a-z0-9]*\.dll')
  for dll in "${BOUND_DLLS[@]}"; do
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

# check_package ZIP: every check of one package, whose name, program and SHA256SUMS the
# checks find in name, exe and sums.
check_package() {
  local zip=$1 format text
  name=$(basename "$zip" .zip)
  case $name in
    quorvel-*-win64 | quorvel-*-win64-signed) format=pei-x86-64 ;;
    quorvel-*-win32 | quorvel-*-win32-signed) format=pei-i386 ;;
    *) die "not a package's name: $name" ;;
  esac
  rm -rf "${unpacked:?}"/*
  (cd "$unpacked" && cmake -E tar xf "$zip")
  exe=$unpacked/$name/quorvel.exe
  sums=$(dirname "$zip")/SHA256SUMS
  say "checking $zip"
  check "the zip holds ${PACKAGE_FILES[*]} in $name/, and nothing else" holds_exactly_its_files
  for text in "${TEXT_FILES[@]}"; do
    check "$text ends every line with CR LF" has_crlf_line_ends "$unpacked/$name/$text"
  done
  check "the zip is at most $MAX_ZIP_BYTES bytes" is_at_most "$zip" "$MAX_ZIP_BYTES"
  check "quorvel.exe is at most $MAX_EXE_BYTES bytes" is_at_most "$exe" "$MAX_EXE_BYTES"
  check "SHA256SUMS beside the zip holds its SHA-256" sums_vouch_for_the_zip
  check "quorvel.exe is $format" \
    grep -q "file format $format\$" <(x86_64-w64-mingw32-objdump -f "$exe")
  check "quorvel.exe carries no link time" has_no_link_time
  check "quorvel.exe is marked Terminal Server aware" is_terminal_server_aware
  check "quorvel.exe imports ${IMPORTED_DLLS[*]} and nothing else, none of them delayed" \
    imports_exactly_its_dlls
  check "quorvel.exe names ${BOUND_DLLS[*]}, the DLLs it binds at run time" names_its_bound_dlls
  check "quorvel.exe carries exactly one manifest" has_one_resource "$RT_MANIFEST"
  check "quorvel.exe carries exactly one version resource" has_one_resource "$RT_VERSION"
}

[[ $# -ge 1 ]] || die "usage: $0 ZIP..."
for zip in "$@"; do
  [[ -f $zip ]] || die "no such package: $zip (build the dist target)"
  check_package "$(realpath "$zip")"
done
checks_summary
