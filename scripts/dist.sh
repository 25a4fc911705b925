#!/usr/bin/env bash
# Builds the two Windows packages, each with quorvel.exe and its read-me:
# quorvel-<version>-win64.zip (preset windows) and quorvel-<version>-win32.zip (preset
# windows-x86, for 32-bit MAPI libraries), each with a SHA256SUMS beside it in its build
# folder; gathers both zips and one SHA256SUMS for the two into build/dist, the release to
# publish; then checks the packages (scripts/check-package.sh) and prints their paths.
#
#   scripts/dist.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset windows dist >&2
build_preset windows-x86 dist >&2

release=$(preset_dir dist)
rm -rf "${release:?}"
mkdir -p "$release"
packages=()
for preset in windows windows-x86; do
  cp "$(package_of "$preset")" "$release/"
  cat "$(preset_dir "$preset")/SHA256SUMS" >>"$release/SHA256SUMS"
  packages+=("$release/$(basename "$(package_of "$preset")")")
done
"$QUORVEL_ROOT/scripts/check-package.sh" "${packages[@]}" >/dev/null
printf '%s\n' "${packages[@]}"
