#!/usr/bin/env bash
# Every translation unit of quorvel.exe, 64-bit and 32-bit, also compiles with clang, warnings
# as errors, against the mingw-w64 headers the gcc build uses (the host build's compile with
# clang in the host-asan preset). Compiling is the point: code that only one compiler takes
# does not carry over to the toolchains others build with. Linking stays with gcc.
#
#   scripts/check-clang.sh        (after the windows and windows-x86 presets are configured)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"

# clang_commands BUILD_DIR: the build's compile commands for the program's sources, each
# turned into a clang syntax check for the build's target, one per line.
clang_commands() {
  python3 - "$1/compile_commands.json" "$QUORVEL_ROOT/src/" <<'PY'
import json, re, shlex, sys
for entry in json.load(open(sys.argv[1])):
    if not entry["file"].startswith(sys.argv[2]):
        continue
    words = shlex.split(entry["command"])
    target = re.sub(r"-g\+\+.*$", "", words[0].rsplit("/", 1)[-1])
    cxx = "/usr/lib/gcc/%s/12-posix/include/c++" % target
    kept, skip = [], False
    for word in words[1:]:
        if skip or word in ("-c", "-o"):
            skip = word == "-o"
            continue
        kept.append(word)
    print(shlex.join(["cd", entry["directory"]]) + " && " + shlex.join(
        ["clang++-14", "--target=" + target, "-fsyntax-only", "-nostdinc++", "-isystem", cxx,
         "-isystem", cxx + "/" + target] + kept))
PY
}

compiles_with_clang() {
  local commands
  commands=$(clang_commands "$1")
  [[ -n $commands ]] && xargs -d '\n' -P "$(nproc)" -I{} bash -c {} <<<"$commands"
}

for preset in windows windows-x86; do
  dir=$(preset_dir "$preset")
  cmake --preset "$preset" -B "$dir" >/dev/null
  check "$preset: every source of quorvel.exe compiles with clang" compiles_with_clang "$dir"
done
checks_summary
