#!/usr/bin/env bash
# scripts/check-reproducible.sh: builds both Windows packages, and the simulator packages
# beside them, of the committed HEAD twice, at paths of different lengths and under different
# umasks and time zones, and compares them byte for byte. One build is the work tree's own
# when it holds HEAD unchanged (the test command has just built it); otherwise a clone. Ends
# with "N passed, N failed".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"

commit=$(git -C "$QUORVEL_ROOT" rev-parse HEAD)
work=$(mktemp -d)
on_exit "rm -rf '$work'"
# The build folders of the two builds; a clone's are under its own work tree.
clones=("$work/one" "$work/second-clone/at-a-longer-path")
roots=("${clones[0]}/build" "${clones[1]}/build")

# build_in_clone N UMASK TZ: clones the commit to the N-th clone's path and builds both
# packages there, into the clone's own build folders, with that umask and time zone.
build_in_clone() {
  local origin=$QUORVEL_ROOT QUORVEL_ROOT=${clones[$1]} QUORVEL_BUILD_ROOT=${roots[$1]}
  (umask "$2" && export TZ=$3 &&
    git clone --quiet --no-checkout "$origin" "$QUORVEL_ROOT" &&
    git -C "$QUORVEL_ROOT" checkout --quiet --detach "$commit" &&
    build_preset windows dist && build_preset windows-x86 dist)
}

# work_tree_build: both packages in the work tree's own build folders, as they stand.
work_tree_build() {
  build_preset windows dist && build_preset windows-x86 dist
}

# same_in_both PRESET FILE: the preset's FILE has the same bytes in the two builds.
same_in_both() {
  local one=${roots[0]}/$1/$2 two=${roots[1]}/$1/$2
  cmp --silent "$one" "$two" && return
  if [[ -f $one && -f $two ]]; then
    say "$(stat -c %s "$one") and $(stat -c %s "$two") bytes; first differences" \
      "(byte number, octal values):"
    cmp -l "$one" "$two" 2>&1 | head -n 8 >&2 || true
  else
    say "missing in a build: $1/$2"
  fi
  return 1
}

"$QUORVEL_ROOT/scripts/install-deps.sh"
say "building $commit in $work"
if [[ -z $(git -C "$QUORVEL_ROOT" status --porcelain) ]]; then
  roots[0]=$(dirname "$(preset_dir windows)")
  check "the work tree builds both packages" quietly work_tree_build
else
  say "uncommitted changes are left out: this checks the commit $commit"
  check "clone 1 (umask 022, TZ UTC) builds both packages" quietly build_in_clone 0 022 UTC
fi
# UTC+14: a zip entry's local time would be 14 hours from the other build's (UTC, say).
check "a clone (umask 077, TZ UTC+14) builds both packages" \
  quietly build_in_clone 1 077 Pacific/Kiritimati
if [[ $failed -eq 0 ]]; then
  for preset in windows windows-x86; do
    zip=$(basename "$(QUORVEL_BUILD_ROOT=${roots[0]} package_of "$preset")")
    sim_zip=$(basename "$(QUORVEL_BUILD_ROOT=${roots[0]} package_of "$preset" sim)")
    for file in quorvel.exe "$zip" "$sim_zip" SHA256SUMS; do
      check "$preset/$file is the same in both builds" same_in_both "$preset" "$file"
    done
  done
fi
checks_summary
