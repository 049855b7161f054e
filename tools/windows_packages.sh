#!/usr/bin/env bash
# Packs build-windows/pirumo.exe (or build-windows-x86's) and its help into
# the zip and the MSI for its processor, in dist/, signing the program before
# packing and the MSI last when a certificate is given. Each signature is
# time-stamped, so that it still verifies after the certificate expires. The
# password comes from a file or the environment, never from a command line,
# where every user could read it:
#   PIRUMO_SIGN_PFX=signer.pfx PIRUMO_SIGN_PASSWORD_FILE=password.txt \
#   PIRUMO_SIGN_TIMESTAMP_URL=http://timestamp.example/ make package
# (or PIRUMO_SIGN_PASSWORD=... in place of the file)
# Usage: tools/windows_packages.sh BUILD-WINDOWS DIST
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
dist=$(cd "$2" && pwd)
. "$build/generated/package.env"
# MSI_VERSION and VERSION_TEXT may be given, to make a later version for a test.
MSI_VERSION=${PIRUMO_MSI_VERSION:-$MSI_VERSION}
VERSION_TEXT=${PIRUMO_VERSION_TEXT:-$VERSION_TEXT}
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
export SOURCE_DATE_EPOCH=$epoch

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/pirumo.exe" "$build/pirumo.hlp" "$root/res/pirumo.ico" "$root/res/pirumo.wxs" "$stage/"

sign() {  # sign FILE: signs it in place and checks the signature
    osslsigncode sign -pkcs12 "$PIRUMO_SIGN_PFX" -readpass "${PIRUMO_SIGN_PASSWORD_FILE:-/dev/stdin}" \
        -ts "$PIRUMO_SIGN_TIMESTAMP_URL" -h sha256 -n "$PRODUCT_NAME" -in "$1" -out "$1.signed" \
        <<<"${PIRUMO_SIGN_PASSWORD:-}" >/dev/null
    mv "$1.signed" "$1"
    # PIRUMO_SIGN_CA and PIRUMO_SIGN_TSA_CA name the certificates to check the
    # signer and the time-stamping authority against, where the system's own
    # do not know them.
    osslsigncode verify ${PIRUMO_SIGN_CA:+-CAfile "$PIRUMO_SIGN_CA"} \
        ${PIRUMO_SIGN_TSA_CA:+-TSA-CAfile "$PIRUMO_SIGN_TSA_CA"} -in "$1" >/dev/null
}
if [ -n "${PIRUMO_SIGN_PFX:-}" ] && [ -z "${PIRUMO_SIGN_TIMESTAMP_URL:-}" ]; then
    echo "windows_packages: PIRUMO_SIGN_TIMESTAMP_URL is not set: a signature without a time stamp" \
        "stops verifying when the certificate expires" >&2
    exit 1
fi
if [ -n "${PIRUMO_SIGN_PFX:-}" ]; then
    sign "$stage/pirumo.exe"
else
    echo "windows_packages: no certificate given (PIRUMO_SIGN_PFX): pirumo.exe and the MSI are not signed"
fi
touch -d "@$epoch" "$stage"/*

# The zip: one folder, fixed order and times.
zip=$dist/pirumo-$VERSION_TEXT-windows-$ARCHITECTURE.zip
/usr/bin/python3 - "$zip" "pirumo-$VERSION_TEXT-windows-$ARCHITECTURE" "$stage" "$epoch" <<'PY'
import sys, time, zipfile
out, folder, stage, epoch = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
stamp = time.gmtime(max(epoch, 315532800))[:6]  # zip times start in 1980
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
    for name in ["pirumo.exe", "pirumo.hlp"]:
        info = zipfile.ZipInfo(f"{folder}/{name}", stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(f"{stage}/{name}", "rb") as f:
            z.writestr(info, f.read())
PY

# The MSI: its codes follow from the upgrade code, which both processors
# share, the version, what it holds, and for x86 the processor. Other
# contents make another product, which replaces the installed one even at
# the same version: Windows Installer would otherwise take the package for
# the product it has and change nothing. Two builds of one commit give the
# same codes.
contents=$(cd "$stage" && cat pirumo.exe pirumo.hlp pirumo.ico pirumo.wxs | sha256sum | cut -c1-16)
code() {
    local name=$1
    [ "$ARCHITECTURE" == x64 ] || name+=" $ARCHITECTURE"
    /usr/bin/python3 -c "import uuid, sys; print(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2]))" "$UPGRADE_CODE" "$name"
}
if [ "$ARCHITECTURE" == x64 ]; then
    program_files=ProgramFiles64Folder win64=yes platform=x64
else
    program_files=ProgramFilesFolder win64=no platform=Intel
fi
msi=$dist/pirumo-$VERSION_TEXT-$ARCHITECTURE.msi
package_code=$(code "package $MSI_VERSION $contents")
(
    cd "$stage"
    # Japanese text is stored as code page 932 only with WINDOWS_LANGUAGE=ja,
    # for wixl and msibuild alike; the summary stays ASCII.
    export WINDOWS_LANGUAGE=ja
    wixl -a "$ARCHITECTURE" -D Version="$MSI_VERSION" -D ProductName="$PRODUCT_NAME" -D Manufacturer="$MANUFACTURER" \
        -D UpgradeCode="$UPGRADE_CODE" -D ProductCode="$(code "product $MSI_VERSION $contents")" \
        -D PackageCode="$package_code" -D ComponentCode="$(code "component Program")" \
        -D ProgramFilesFolder="$program_files" -D Win64="$win64" -o pirumo.msi pirumo.wxs
    # What wixl leaves out: pirumo.exe's version and language, without which
    # Windows Installer takes it for an unversioned file; and the same
    # version taken in by the upgrade (msidbUpgradeAttributesVersionMaxInclusive).
    msibuild pirumo.msi -q "UPDATE \`File\` SET \`Version\` = '$FILE_VERSION', \`Language\` = '1041' WHERE \`File\` = 'pirumo.exe'"
    # (Attributes is part of the row's key, so the row is made anew.)
    msibuild pirumo.msi -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'"
    msibuild pirumo.msi -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`)
        VALUES ('{${UPGRADE_CODE^^}}', '$MSI_VERSION', 513, 'WIX_UPGRADE_DETECTED')"
    printf '\r\n\r\n932\t_ForceCodepage\r\n' >_ForceCodepage.idt
    msibuild pirumo.msi -i _ForceCodepage.idt
    msibuild pirumo.msi -s "$PRODUCT_NAME $VERSION_TEXT" "$MANUFACTURER" "$platform;1041" "{${package_code^^}}"
    /usr/bin/python3 "$root/tools/msi_times.py" pirumo.msi
)
[ -z "${PIRUMO_SIGN_PFX:-}" ] || sign "$stage/pirumo.msi"  # last: nothing may change it after
mv "$stage/pirumo.msi" "$msi"
echo "windows_packages: $zip"
echo "windows_packages: $msi"
