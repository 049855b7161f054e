#!/usr/bin/env bash
# Signs pirumo.exe and the MSI with a throwaway self-signed certificate, as a
# builder who holds a real one would, time-stamped by a time-stamping
# authority this test runs on loopback, and checks both signatures and their
# time stamps. Everything it makes stays in a temporary folder: nothing
# self-signed is shipped.
# Usage: signing_test.sh BUILD-WINDOWS
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/../checks.sh"
build=$1
work=$(mktemp -d)
server=
trap '[ -z "$server" ] || { kill "$server"; wait "$server"; } 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 143' TERM INT  # the EXIT trap still cleans up

password=never-on-a-command-line-$RANDOM
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=PIRUMO test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout "file:"<(printf %s "$password") \
    -out "$work/signer.pfx"

# The time-stamping authority: its certificate, serial file and settings.
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=PIRUMO test time stamps" \
    -addext "extendedKeyUsage=critical,timeStamping" -addext "keyUsage=critical,digitalSignature" \
    -keyout "$work/tsa-key.pem" -out "$work/tsa.pem" 2>/dev/null
echo 01 >"$work/tsa-serial"
cat >"$work/tsa.cnf" <<CNF
[ tsa ]
default_tsa = test_tsa
[ test_tsa ]
serial = $work/tsa-serial
signer_cert = $work/tsa.pem
signer_key = $work/tsa-key.pem
signer_digest = sha256
default_policy = 1.3.6.1.4.1.4146.2.3
digests = sha256, sha384, sha512
ess_cert_id_alg = sha256
CNF
coproc TSA { exec /usr/bin/python3 "$here/timestamp_server.py" "$work/tsa.cnf"; }
server=$TSA_PID
read -r -t 10 port <&"${TSA[0]}" || { echo "FAIL: the time-stamping authority did not start"; exit 1; }

# Every command line osslsigncode is given, to look for the password in.
mkdir "$work/bin"
cat >"$work/bin/osslsigncode" <<SHIM
#!/bin/sh
printf '%s\n' "\$*" >>"$work/command-lines"
exec $(command -v osslsigncode) "\$@"
SHIM
chmod +x "$work/bin/osslsigncode"

said=$(PATH=$work/bin:$PATH PIRUMO_SIGN_PFX=$work/signer.pfx PIRUMO_SIGN_PASSWORD=$password \
    PIRUMO_SIGN_TIMESTAMP_URL=http://127.0.0.1:$port/ PIRUMO_SIGN_CA=$work/cert.pem PIRUMO_SIGN_TSA_CA=$work/tsa.pem \
    "$root/tools/windows_packages.sh" "$build" "$work/dist")
check "packs with the certificate" test $? -eq 0
check "without saying it signed nothing" test -z "$(grep 'not signed' <<<"$said")"
check "the password is on no command line" test -z "$(grep -F "$password" "$work/command-lines")"
msi=$(ls "$work"/dist/*.msi)
(cd "$work" && /usr/bin/python3 -c "import zipfile, sys; zipfile.ZipFile(sys.argv[1]).extractall('unzipped')" dist/*.zip)
exe=$(ls "$work"/unzipped/*/pirumo.exe)
for file in "$exe" "$msi"; do
    verified=$(osslsigncode verify -CAfile "$work/cert.pem" -TSA-CAfile "$work/tsa.pem" -in "$file" 2>&1)
    check "$(basename "$file") carries a signature that verifies" grep -q '^Succeeded' <<<"$verified"
    check "$(basename "$file") is time-stamped by the authority" grep -q 'Timestamp Server Signature verification: ok' \
        <<<"$verified"
done
check "signing without a time-stamping authority is refused" test "$(PIRUMO_SIGN_PFX=$work/signer.pfx \
    "$root/tools/windows_packages.sh" "$build" "$work/refused" 2>&1 | grep -c 'PIRUMO_SIGN_TIMESTAMP_URL')" -eq 1
check "the unsigned build says so in one line" test "$("$root/tools/windows_packages.sh" "$build" "$work/plain" | grep -c 'not signed')" -eq 1

echo "signing: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
