#!/usr/bin/env bash
# Unpacks the .deb into a scratch root and starts the unpacked program from
# its bin/ link on a private X server until its window appears.
# Usage: deb_test.sh pirumo_1.00_amd64.deb
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/xsession.sh"
. "$here/../checks.sh"
deb=$1
version=$(package_version "$(dirname "$deb")")

root=$(mktemp -d)
trap 'end_started; stop_x; rm -rf "$root"' EXIT
trap 'exit 143' TERM INT  # the EXIT trap still cleans up
dpkg -x "$deb" "$root" || { echo "FAIL: dpkg -x $deb"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
check "package name is pirumo" test "$(field Package)" == pirumo
check "version is $version" test "$(field Version)" == "$version"
check "the description reads as written" test "$(field Description)" == "modulus-11 check character calculator
 PIRUMO shows the modulus-11 check character of a number of up to twelve digits
 and keeps a record log that can be copied and saved. Japanese interface."
check "depends on Qt's platform plugins" grep -q qt6-qpa-plugins <<<"$(field Depends)"
check "bin/pirumo links to lib/pirumo/pirumo" test "$(readlink -f "$root/usr/bin/pirumo")" == "$root/usr/lib/pirumo/pirumo"
check "help file beside the program" test -s "$root/usr/lib/pirumo/pirumo.hlp"
check "the help names the version" grep -q "バージョン $(field Version)<" "$root/usr/lib/pirumo/pirumo.hlp"
check "desktop entry" desktop-file-validate "$root/usr/share/applications/jp.pirumo.Pirumo.desktop"
for size in 16 24 32 48 64 128 256; do
    check "menu icon at ${size}x$size" test -s "$root/usr/share/icons/hicolor/${size}x$size/apps/jp.pirumo.Pirumo.png"
done
check "the desktop entry names the window's class" grep -qx 'StartupWMClass=PIRUMO' \
    "$root/usr/share/applications/jp.pirumo.Pirumo.desktop"
check "manual page pirumo(1)" test -s "$root/usr/share/man/man1/pirumo.1.gz"
check "copyright and changelog" test -s "$root/usr/share/doc/pirumo/copyright" -a -s "$root/usr/share/doc/pirumo/changelog.gz"
lintian_said=$(lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges')
check "lintian has nothing to say (${lintian_said:-})" test -z "$lintian_said"
# Branch protection (BTI and PAC) is AArch64's; Debian 13's hardening-check
# asks for it of an amd64 program too, which cannot have it.
not_here=()
options=$(hardening-check --help 2>&1)
[ "$(dpkg-deb -f "$deb" Architecture)" != arm64 ] && grep -q -- --nobranchprotection <<<"$options" &&
    not_here=(--nobranchprotection)
check "built hardened (hardening-check ${not_here[*]})" hardening-check --quiet "${not_here[@]}" "$root/usr/lib/pirumo/pirumo"
check "AppStream metainfo" appstreamcli validate --no-net "$root/usr/share/metainfo/jp.pirumo.Pirumo.metainfo.xml"

start_x || exit 1
"$root/usr/bin/pirumo" &
app=$!
started+=("$app")
check "the installed program opens its window" window_named PIRUMO
check "it runs from the folder that holds its help" test -s "$(dirname "$(readlink "/proc/$app/exe")")/pirumo.hlp"

echo "deb: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
