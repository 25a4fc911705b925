#!/usr/bin/env bash
# Checks Windows packages that the builds' `dist` target made (or scripts/sign.sh signed),
# as shipped and without running them: the zip holds the program, its read-me and the guide
# to reading a trace, the two text files have CR LF line ends, the zip and the program stay
# within the sizes the README states, the SHA256SUMS beside the zip holds the zip's SHA-256,
# and the packed quorvel.exe is of the package's bitness, carries no link time in its
# header, imports only DLLs that Windows always loads from its own directory (whether at
# start or on first use), and carries exactly one manifest and one version resource. Prints
# one line per check and ends with "N passed, N failed".
#
#   scripts/check-package.sh build/windows/quorvel-1.0.0-win64.zip ...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"

# The Known DLLs: an import of one of these, or a delay import (a load by name on first
# use), is always satisfied from the system directory, never from a DLL planted beside the
# program.
readonly SYSTEM_DLLS=(advapi32 combase comdlg32 gdi32 imm32 kernel32 msvcrt ntdll ole32 oleaut32
  psapi rpcrt4 sechost shell32 shlwapi user32 ws2_32)
readonly RT_VERSION=0x000010
readonly RT_MANIFEST=0x000018
# The sizes the README promises, in bytes: the packed program, and the zip.
readonly MAX_EXE_BYTES=$((512 * 1024))
readonly MAX_ZIP_BYTES=$((256 * 1024))

# The package being checked, unpacked, and the program's import data.
unpacked=$(mktemp -d)
on_exit "rm -rf '$unpacked'"
idata=$(mktemp)
on_exit "rm -f '$idata'"
name=
exe=
sums=
# The files a package holds, in name order.
readonly PACKAGE_FILES=(README.txt quorvel.exe reading-a-trace.txt)
readonly TEXT_FILES=(README.txt reading-a-trace.txt)

holds_exactly_its_files() {
  local actual expected
  actual=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
  expected=$(printf '%s\n' "${PACKAGE_FILES[@]/#/$name/}")
  [[ $actual == "$expected" ]] || {
    say "the zip holds: $actual"
    return 1
  }
}

# has_crlf_line_ends FILE: not empty, and every line ends with CR LF.
has_crlf_line_ends() {
  [[ -s $1 && $(tail -c 2 "$1" | od -An -tx1) == " 0d 0a" ]] && ! grep -q $'[^\r]$\|^$' "$1"
}

# is_at_most FILE BYTES
is_at_most() {
  local size
  size=$(stat -c %s "$1")
  ((size <= $2)) || {
    say "$(basename "$1") is $size bytes"
    return 1
  }
}

# The SHA256SUMS beside the zip has a line for it, and sha256sum finds the zip matches it.
sums_vouch_for_the_zip() {
  local line
  line=$(awk -v zip="$name.zip" '$2 == zip' "$sums" 2>/dev/null)
  [[ -n $line ]] || {
    say "no line for $name.zip in $sums"
    return 1
  }
  (cd "$(dirname "$sums")" && sha256sum --check --status <<<"$line")
}

# The header's TimeDateStamp is zero, so that every build of one commit gives the same
# bytes: the PE header starts where the DOS header's e_lfanew (offset 60) says, and the
# stamp is 8 bytes into it.
has_no_link_time() {
  local header stamp
  header=$(od -An -tu4 -j 60 -N 4 "$exe")
  stamp=$(od -An -tx4 -j $((header + 8)) -N 4 "$exe")
  [[ $stamp == " 00000000" ]] || {
    say "link time stamp: 0x${stamp# }"
    return 1
  }
}

# is_format FORMAT: objdump's name of the file format, pei-i386 or pei-x86-64.
is_format() {
  x86_64-w64-mingw32-objdump -f "$exe" | grep -q "file format $1\$"
}

# imported_dlls: the DLLs the program imports, by name without .dll: those loaded with it
# and those loaded on first use (delay imports). objdump lists the first kind only, and GNU
# ld leaves the header's delay import directory empty, but the import data names both.
imported_dlls() {
  x86_64-w64-mingw32-objcopy -O binary --only-section=.idata "$exe" "$idata"
  tr '\0' '\n' <"$idata" | sed -n 's/^\(.*\)\.dll$/\1/ip' | sort -fu
}

imports_system_dlls_only() {
  local dll dlls others=()
  dlls=$(imported_dlls)
  # Every program imports kernel32; a list without it means the import data was not read.
  grep -qix kernel32 <<<"$dlls" || {
    say "no import data found"
    return 1
  }
  while read -r dll; do
    [[ " ${SYSTEM_DLLS[*]} " == *" ${dll,,} "* ]] || others+=("$dll")
  done <<<"$dlls"
  [[ ${#others[@]} -eq 0 ]] || {
    say "imports beyond the system DLLs: ${others[*]}"
    return 1
  }
}

# has_one_resource TYPE: exactly one resource (language leaf) of that type.
has_one_resource() {
  local count
  count=$(x86_64-w64-mingw32-objdump -p "$exe" | awk -v want="$1" '
    /The .rsrc Resource Directory section/ { inside = 1; next }
    /Resources start at offset/ { inside = 0 }
    inside && /^[0-9a-f]+   Entry: / { type = $4; sub(/,$/, "", type) }
    inside && /Leaf:/ && type == want { leaves++ }
    END { print leaves + 0 }')
  [[ $count -eq 1 ]] || {
    say "$count resources of type $1"
    return 1
  }
}

# check_package ZIP: every check of one package.
check_package() {
  local zip=$1 format
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
  local text
  for text in "${TEXT_FILES[@]}"; do
    check "$text ends every line with CR LF" has_crlf_line_ends "$unpacked/$name/$text"
  done
  check "the zip is at most $MAX_ZIP_BYTES bytes" is_at_most "$zip" "$MAX_ZIP_BYTES"
  check "quorvel.exe is at most $MAX_EXE_BYTES bytes" is_at_most "$exe" "$MAX_EXE_BYTES"
  check "SHA256SUMS beside the zip holds its SHA-256" sums_vouch_for_the_zip
  check "quorvel.exe is $format" is_format "$format"
  check "quorvel.exe carries no link time" has_no_link_time
  check "quorvel.exe imports system DLLs only, at start or on first use" imports_system_dlls_only
  check "quorvel.exe carries exactly one manifest" has_one_resource "$RT_MANIFEST"
  check "quorvel.exe carries exactly one version resource" has_one_resource "$RT_VERSION"
}

[[ $# -ge 1 ]] || die "usage: $0 ZIP..."
for zip in "$@"; do
  [[ -f $zip ]] || die "no such package: $zip (build the dist target)"
  check_package "$(realpath "$zip")"
done
checks_summary
