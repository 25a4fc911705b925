#!/usr/bin/env bash
# scripts/install-deps.sh: installs the Debian packages that building, running and testing
# Quorvel need and that are missing. Safe to run again and again; as root, or through sudo.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

packages=(
  # host build, unit tests and benchmarks
  cmake g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the fuzzer: clang with libFuzzer and the sanitizers' run time
  clang-14 libclang-rt-14-dev
  # Windows cross-build: 64-bit, and 32-bit for the second package
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  # running the Windows builds headless: Wine with its 32-bit half; fonts-wine for the frames
  wine wine64 wine32:i386 fonts-wine xvfb xauth xdotool imagemagick x11-utils
  # checks and packaging
  valgrind clang-format clang-tidy shellcheck zip
  # signing the packages (scripts/sign.sh) and its check, with a certificate made for it
  osslsigncode openssl
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
    missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

say "installing: ${missing[*]}"
as_root=(env DEBIAN_FRONTEND=noninteractive)
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || die "run as root to install: ${missing[*]}"
  as_root=(sudo "${as_root[@]}")
fi
# 32-bit Wine comes from Debian's i386 architecture, which the package lists then include.
dpkg --print-foreign-architectures | grep -qx i386 || "${as_root[@]}" dpkg --add-architecture i386
"${as_root[@]}" apt-get update -q </dev/null
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
