#!/usr/bin/env bash
# Builds the two Windows packages, each with quorvel.exe and its read-me, and puts both in
# build/windows: quorvel-<version>-win64.zip (preset windows) and quorvel-<version>-win32.zip
# (preset windows-x86, for 32-bit MAPI libraries); then checks them (scripts/check-package.sh).
#
#   scripts/dist.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset windows dist >&2
build_preset windows-x86 dist >&2

win32=$(package_of windows-x86)
cp "$win32" "$(preset_dir windows)/"
packages=("$(package_of windows)" "$(preset_dir windows)/$(basename "$win32")")
"$QUORVEL_ROOT/scripts/check-package.sh" "${packages[@]}" >/dev/null
printf '%s\n' "${packages[@]}"
