#!/usr/bin/env bash
# scripts/dist.sh: builds the two Windows packages, quorvel-<version>-win64.zip and
# -win32.zip, and the simulator packages beside them, quorvel-sim-<version>-win64.zip and
# -win32.zip; gathers the four with one SHA256SUMS into build/dist, the release to publish;
# checks them (scripts/check-package.sh) and prints their paths.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"

"$QUORVEL_ROOT/scripts/install-deps.sh"
build_preset windows dist >&2
build_preset windows-x86 dist >&2

release=$(preset_dir dist)
rm -rf "${release:?}"
mkdir -p "$release"
for preset in windows windows-x86; do
  cp "$(package_of "$preset")" "$(package_of "$preset" sim)" "$release/"
  cat "$(preset_dir "$preset")/SHA256SUMS" >>"$release/SHA256SUMS"
done
packages=("$release"/quorvel-*-win64.zip "$release"/quorvel-*-win32.zip)
"$QUORVEL_ROOT/scripts/check-package.sh" "${packages[@]}" >/dev/null
printf '%s\n' "${packages[@]}"
