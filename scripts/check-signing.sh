#!/usr/bin/env bash
# scripts/check-signing.sh: proves scripts/sign.sh with a throw-away self-signed certificate,
# on the release's packages and the simulator packages, up to a probe run of each signed
# release program in the windows build's Wine prefix (so not while its Wine tests run).
# Prints one line per check and ends with "N passed, N failed".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$QUORVEL_ROOT/scripts/lib/build.sh"
source "$QUORVEL_ROOT/scripts/lib/checks.sh"
source "$QUORVEL_ROOT/scripts/lib/wine.sh"

work=$(mktemp -d)
on_exit "rm -rf '$work'"
wine_build=$(preset_dir windows)

# make_certificate: a self-signed code-signing certificate for a day, as sign.sh takes it.
make_certificate() {
  openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Quorvel throw-away signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" &&
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$QUORVEL_SIGN_PKCS12" \
      -passout env:QUORVEL_SIGN_PASSWORD
}

# unpacked ZIP [PROGRAM]: the program of ZIP (default quorvel.exe), the zip unpacked once.
unpacked() {
  local dir
  dir=$work/unpacked/$(basename "$1" .zip)
  [[ -d $dir ]] || (mkdir -p "$dir" && cd "$dir" && cmake -E tar xf "$1")
  printf '%s/%s/%s\n' "$dir" "$(basename "$1" .zip)" "${2:-quorvel.exe}"
}

# strips_back SIGNED_ZIP UNSIGNED_ZIP PROGRAM: the signed program without its signature is the
# unsigned one.
strips_back() {
  local stripped
  stripped=$work/$(basename "$1" .zip)-stripped-$3
  osslsigncode remove-signature -in "$(unpacked "$1" "$3")" -out "$stripped" >/dev/null &&
    cmp "$stripped" "$(unpacked "$2" "$3")"
}

# programs_of ZIP: the programs that sign.sh signs in that package.
programs_of() {
  case $(basename "$1") in
    quorvel-sim-*) printf '%s\n' quorvel.exe quorvel-sim.exe quorvel_sim.dll ;;
    *) printf '%s\n' quorvel.exe ;;
  esac
}

# runs_under_wine SIGNED_ZIP: its program makes a probe run in the windows build's session.
runs_under_wine() {
  QUORVEL_BUILD_DIR=$wine_build QUORVEL_EXE=$(unpacked "$1") \
    QVDRIVE_EXE=$wine_build/tools/qvdrive/qvdrive.exe bash "$QUORVEL_ROOT/tests/wine/probe_run.sh"
}

"$QUORVEL_ROOT/scripts/install-deps.sh"
if ! quietly build_preset windows quorvel qvdrive dist ||
  ! quietly build_preset windows-x86 quorvel dist; then
  die "the Windows builds failed"
fi
export QUORVEL_SIGN_PKCS12=$work/signer.p12 QUORVEL_SIGN_PASSWORD
QUORVEL_SIGN_PASSWORD=$(openssl rand -hex 16)
unsigned=("$(package_of windows)" "$(package_of windows-x86)" "$(package_of windows sim)"
  "$(package_of windows-x86 sim)")
signed=()
for zip in "${unsigned[@]}"; do
  signed+=("$work/signed/$(basename "$zip" .zip)-signed.zip")
done

check "a throw-away code-signing certificate is made" quietly make_certificate
check "sign.sh signs the four packages" quietly "$QUORVEL_ROOT/scripts/sign.sh" -o "$work/signed" \
  "${unsigned[@]}"
check "the signed packages pass the package checks" quietly \
  "$QUORVEL_ROOT/scripts/check-package.sh" "${signed[@]}"
for i in "${!signed[@]}"; do
  name=$(basename "${signed[i]}")
  for program in $(programs_of "${signed[i]}"); do
    check "$name: osslsigncode verify accepts $program against the certificate" quietly \
      osslsigncode verify -CAfile "$work/cert.pem" -in "$(unpacked "${signed[i]}" "$program")"
    check "$name: $program without its signature is the unsigned package's, byte for byte" \
      quietly strips_back "${signed[i]}" "${unsigned[i]}" "$program"
  done
done

# The windows build's Wine session, on a private X server.
unset DISPLAY
on_exit "wine_session_down '$wine_build' >/dev/null 2>&1"
check "the windows build's Wine session comes up" quietly wine_session_up "$wine_build" 64 on
for zip in "${signed[@]:0:2}"; do
  check "$(basename "$zip"): quorvel.exe runs a probe under Wine" quietly runs_under_wine "$zip"
done
checks_summary
