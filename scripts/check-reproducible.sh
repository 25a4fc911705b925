#!/usr/bin/env bash
# scripts/check-reproducible.sh: builds both Windows packages in two fresh clones of the
# committed HEAD (commit first), under different paths, umasks and time zones, and compares
# them byte for byte. Prints one line per comparison and ends with "N passed, N failed".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"

commit=$(git -C "$QUORVEL_ROOT" rev-parse HEAD)
[[ -z $(git -C "$QUORVEL_ROOT" status --porcelain) ]] ||
  say "uncommitted changes are left out: this checks the commit $commit"

# The two clones, at paths of different lengths so that a path in a binary shifts bytes.
work=$(mktemp -d)
on_exit "rm -rf '$work'"
clones=("$work/one" "$work/second-clone/at-a-longer-path")

# build_in_clone N UMASK TZ: clones the commit to the N-th clone's path and builds both
# packages there, into the clone's own build folders, with that umask and time zone.
build_in_clone() {
  local origin=$QUORVEL_ROOT QUORVEL_ROOT=${clones[$1]} QUORVEL_BUILD_ROOT=${clones[$1]}/build
  (umask "$2" && export TZ=$3 &&
    git clone --quiet --no-checkout "$origin" "$QUORVEL_ROOT" &&
    git -C "$QUORVEL_ROOT" checkout --quiet --detach "$commit" &&
    build_preset windows dist && build_preset windows-x86 dist)
}

# same_in_both FILE: FILE, a path inside a clone, has the same bytes in the two clones.
same_in_both() {
  local one=${clones[0]}/$1 two=${clones[1]}/$1
  cmp --silent "$one" "$two" && return
  if [[ -f $one && -f $two ]]; then
    say "$(stat -c %s "$one") and $(stat -c %s "$two") bytes; first differences" \
      "(byte number, octal values):"
    cmp -l "$one" "$two" 2>&1 | head -n 8 >&2 || true
  else
    say "missing in a clone: $1"
  fi
  return 1
}

"$QUORVEL_ROOT/scripts/install-deps.sh"
say "building $commit in $work"
# UTC and UTC+14: a zip entry's local time would be 14 hours apart.
check "clone 1 (umask 022, TZ UTC) builds both packages" quietly build_in_clone 0 022 UTC
check "clone 2 (umask 077, TZ UTC+14) builds both packages" \
  quietly build_in_clone 1 077 Pacific/Kiritimati
if [[ $failed -eq 0 ]]; then
  for preset in windows windows-x86; do
    zip=$(basename "$(QUORVEL_BUILD_ROOT=${clones[0]}/build package_of "$preset")")
    for file in quorvel.exe "$zip" SHA256SUMS; do
      check "build/$preset/$file is the same in both clones" same_in_both "build/$preset/$file"
    done
  done
fi
checks_summary
