#!/usr/bin/env bash
# QUORVEL_SIGN_PKCS12=signer.pfx QUORVEL_SIGN_PASSWORD=... scripts/sign.sh [-o DIR] [ZIP...]
# signs the Windows packages' programs (Authenticode, SHA-256), quorvel.exe and in a simulator
# package its launcher and server too, with the deploying organisation's certificate and
# key, a PKCS#12 file (README.md, "Signing for deployment"), time-stamped by
# the RFC 3161 server at QUORVEL_SIGN_TIMESTAMP if set. Each ZIP (default: the release
# scripts/dist.sh builds) gives NAME-signed.zip, packed as reproducibly, in DIR (default
# build/dist-signed) with one SHA256SUMS for them; prints their paths.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"

out=$(preset_dir dist-signed)
if [[ ${1:-} == -o ]]; then
  [[ $# -ge 2 ]] || die "usage: $0 [-o DIR] [ZIP...]"
  out=$2
  shift 2
fi
[[ -n ${QUORVEL_SIGN_PKCS12:-} && -r $QUORVEL_SIGN_PKCS12 ]] ||
  die "QUORVEL_SIGN_PKCS12 must name a readable PKCS#12 file: the certificate and its key"
[[ -n ${QUORVEL_SIGN_PASSWORD+set} ]] || die "QUORVEL_SIGN_PASSWORD must hold its password"

zips=("$@")
if [[ $# -eq 0 ]]; then
  "$QUORVEL_ROOT/scripts/dist.sh" >/dev/null
  zips=("$(preset_dir dist)"/quorvel-*-win64.zip "$(preset_dir dist)"/quorvel-*-win32.zip)
fi
command -v osslsigncode >/dev/null || "$QUORVEL_ROOT/scripts/install-deps.sh"

work=$(mktemp -d)
on_exit "rm -rf '$work'"
# The password goes to osslsigncode in a file only this user can read, never on a command line.
(umask 077 && printf '%s' "$QUORVEL_SIGN_PASSWORD" >"$work/password")

# sign_package ZIP: the signed package of ZIP in $out, and its line in $work/SHA256SUMS.
sign_package() {
  local zip name signed in stage time program
  zip=$(realpath "$1")
  name=$(basename "$zip" .zip)
  [[ $name =~ ^quorvel-.+-win(64|32)$ ]] || die "not an unsigned package's name: $name"
  signed=$name-signed
  in=$work/$name/in
  stage=$work/$name/stage
  mkdir -p "$in" "$stage/$signed"
  # The entries' times are in UTC (cmake/dist-pack.cmake); read back in UTC they give the
  # time to pack the signed package with.
  (cd "$in" && TZ=UTC cmake -E tar xf "$zip")
  [[ -f $in/$name/quorvel.exe ]] || die "$zip holds no $name/quorvel.exe"
  time=$(stat -c %Y "$in/$name/quorvel.exe")

  cp -Rp "$in/$name/." "$stage/$signed/"
  for program in "$in/$name"/*.exe "$in/$name"/*.dll; do
    [[ -f $program ]] || continue
    rm "$stage/$signed/${program##*/}"
    osslsigncode sign -pkcs12 "$QUORVEL_SIGN_PKCS12" -readpass "$work/password" -h sha256 \
      -n Quorvel ${QUORVEL_SIGN_TIMESTAMP:+-ts "$QUORVEL_SIGN_TIMESTAMP"} \
      -in "$program" -out "$stage/$signed/${program##*/}" >/dev/null ||
      die "osslsigncode could not sign $name/${program##*/}"
  done

  SOURCE_DATE_EPOCH=$time cmake -DZIP="$(command -v zip)" -DSTAGE="$stage" -DNAME="$signed" \
    -DOUT_DIR="$work/$name" -P "$QUORVEL_ROOT/cmake/dist-pack.cmake"
  cp "$work/$name/$signed.zip" "$out/"
  cat "$work/$name/SHA256SUMS" >>"$work/SHA256SUMS"
  printf '%s\n' "$out/$signed.zip"
}

mkdir -p "$out"
for zip in "${zips[@]}"; do
  [[ -f $zip ]] || die "no such package: $zip"
  # Each folder has its own SHA256SUMS: the signed packages' must not replace the others'.
  [[ $(realpath "$out") != $(dirname "$(realpath "$zip")") ]] ||
    die "put the signed packages in another folder than $zip (-o DIR)"
  sign_package "$zip"
done
cp "$work/SHA256SUMS" "$out/SHA256SUMS"
