#!/bin/sh
# The signing step with a throwaway self-signed certificate: both files signed, each
# signature verified against that certificate, the program inside the signed installer
# the signed program; and an unsigned file is told apart.
#   sign.sh BUILD-DIR
set -eu
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 1 \
  -subj "/CN=Throwaway test publisher" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" -passout pass:lab
SCHIMATIOS_WINDOWS_BUILD=$build SCHIMATIOS_SIGNED=$work/signed SCHIMATIOS_SIGN_PASSWORD=lab \
  "$here/scripts/sign-windows" "$work/cert.p12"
for f in schimatios.exe schimatios.msi; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed/$f" >"$work/verify" 2>&1 ||
    fail "$f: $(cat "$work/verify")"
  grep -q "Throwaway test publisher" "$work/verify" || fail "$f: signed by someone else"
done
if osslsigncode verify -CAfile "$work/cert.pem" -in "$build/schimatios.exe" >/dev/null 2>&1; then
  fail "the unsigned build's program passes as signed"
fi
# The installer carries the signed program.
(cd "$work" && msiextract -C x signed/schimatios.msi >/dev/null)
cmp -s "$(find "$work/x" -name schimatios.exe | head -1)" "$work/signed/schimatios.exe" ||
  fail "the installer holds another program than the signed one"
echo "signing check passed"
