#!/usr/bin/env bash
# Proves scripts/sign.sh on the two Windows packages (the dist target of the windows and
# windows-x86 presets) with a throw-away self-signed code-signing certificate made here and
# deleted on exit: sign.sh makes the signed pair and its SHA256SUMS; osslsigncode verify
# accepts each signed quorvel.exe against that certificate; the signed packages pass
# scripts/check-package.sh; removing the signature gives back the unsigned package's
# quorvel.exe byte for byte; and each signed program, 64-bit and 32-bit, runs a probe under
# Wine (tests/wine/probe_run.sh, in a Wine session of the windows build's prefix).
#
# That session takes the prefix over: do not run this while the windows build's Wine tests
# run. Prints one line per check and ends with "N passed, N failed".
#
#   scripts/check-signing.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"

work=$(mktemp -d)
on_exit "rm -rf '$work'"
wine_build=$(preset_dir windows)
unsigned=()
signed=()

# quietly COMMAND...: the command's output only when it fails.
quietly() {
  "$@" >"$work/output" 2>&1 || {
    tail -n 20 "$work/output" >&2
    return 1
  }
}

# make_certificate: a self-signed code-signing certificate valid for a day, with its key in
# a PKCS#12 file under a random password, as sign.sh takes them.
make_certificate() {
  QUORVEL_SIGN_PKCS12=$work/signer.p12
  QUORVEL_SIGN_PASSWORD=$(openssl rand -hex 16)
  export QUORVEL_SIGN_PKCS12 QUORVEL_SIGN_PASSWORD
  openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Quorvel throw-away signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" &&
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$QUORVEL_SIGN_PKCS12" \
      -passout env:QUORVEL_SIGN_PASSWORD
}

# unpacked ZIP: the folder ZIP is unpacked into (once).
unpacked() {
  local dir
  dir=$work/unpacked/$(basename "$1" .zip)
  [[ -d $dir ]] || (mkdir -p "$dir" && cd "$dir" && cmake -E tar xf "$1")
  printf '%s/%s/quorvel.exe\n' "$dir" "$(basename "$1" .zip)"
}

# strips_back SIGNED_ZIP UNSIGNED_ZIP: the signed program without its signature is the
# unsigned one.
strips_back() {
  local stripped
  stripped=$work/$(basename "$1" .zip)-stripped.exe
  osslsigncode remove-signature -in "$(unpacked "$1")" -out "$stripped" >/dev/null &&
    cmp "$stripped" "$(unpacked "$2")"
}

# runs_under_wine SIGNED_ZIP: its program makes a probe run in the windows build's session.
runs_under_wine() {
  QUORVEL_BUILD_DIR=$wine_build QUORVEL_EXE=$(unpacked "$1") \
    QVDRIVE_EXE=$wine_build/tools/qvdrive/qvdrive.exe bash "$QUORVEL_ROOT/tests/wine/probe_run.sh"
}

# wine_session start|stop: the windows build's Wine session, on a private X server.
wine_session() {
  (unset DISPLAY && QUORVEL_BUILD_DIR=$wine_build QUORVEL_WINE_BITS=64 \
    bash "$QUORVEL_ROOT/tests/wine/wine_session.sh" "$1")
}

"$QUORVEL_ROOT/scripts/install-deps.sh"
if ! quietly build_preset windows quorvel qvdrive dist ||
  ! quietly build_preset windows-x86 quorvel dist; then
  die "the Windows builds failed"
fi
for preset in windows windows-x86; do
  zip=$(package_of "$preset")
  unsigned+=("$zip")
  signed+=("$work/signed/$(basename "$zip" .zip)-signed.zip")
done

check "a throw-away code-signing certificate is made" quietly make_certificate
check "sign.sh signs both packages" quietly "$QUORVEL_ROOT/scripts/sign.sh" -o "$work/signed" \
  "${unsigned[@]}"
check "the signed packages pass the package checks" quietly \
  "$QUORVEL_ROOT/scripts/check-package.sh" "${signed[@]}"
for i in "${!signed[@]}"; do
  name=$(basename "${signed[i]}")
  check "$name: osslsigncode verify accepts quorvel.exe against the certificate" quietly \
    osslsigncode verify -CAfile "$work/cert.pem" -in "$(unpacked "${signed[i]}")"
  check "$name: quorvel.exe without its signature is the unsigned package's, byte for byte" \
    quietly strips_back "${signed[i]}" "${unsigned[i]}"
done

on_exit "wine_session stop >/dev/null 2>&1"
check "the windows build's Wine session comes up" quietly wine_session start
for zip in "${signed[@]}"; do
  check "$(basename "$zip"): quorvel.exe runs a probe under Wine" quietly runs_under_wine "$zip"
done
checks_summary
