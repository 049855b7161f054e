#!/usr/bin/env bash
# Signs pirumo.exe and the MSI with a throwaway self-signed certificate, as a
# builder who holds a real one would, and checks both signatures. Everything
# it makes stays in a temporary folder: nothing self-signed is shipped.
# Usage: signing_test.sh BUILD-WINDOWS
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
passes=0
check() {  # check WHAT COMMAND...
    if "${@:2}" >/dev/null 2>&1; then passes=$((passes + 1)); else failures=$((failures + 1)); echo "FAIL: $1"; fi
}

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=PIRUMO test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout pass:secret -out "$work/signer.pfx"

said=$(PIRUMO_SIGN_PFX=$work/signer.pfx PIRUMO_SIGN_PASSWORD=secret PIRUMO_SIGN_CA=$work/cert.pem \
    "$root/tools/windows_packages.sh" "$build" "$work/dist")
check "packs with the certificate" test $? -eq 0
check "without saying it signed nothing" test -z "$(grep 'not signed' <<<"$said")"
msi=$(ls "$work"/dist/*.msi)
(cd "$work" && /usr/bin/python3 -c "import zipfile, sys; zipfile.ZipFile(sys.argv[1]).extractall('unzipped')" dist/*.zip)
exe=$(ls "$work"/unzipped/*/pirumo.exe)
for file in "$exe" "$msi"; do
    check "$(basename "$file") carries a signature that verifies" \
        osslsigncode verify -CAfile "$work/cert.pem" -in "$file"
done
check "the unsigned build says so in one line" test "$("$root/tools/windows_packages.sh" "$build" "$work/plain" | grep -c 'not signed')" -eq 1

echo "signing: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
