#!/usr/bin/env bash
# Reads back what Windows will see in pirumo.exe: a GUI program that needs
# only what Windows 7 SP1's own DLLs export, with its version record, icon and
# manifest.
# Usage: executable_test.sh OBJDUMP WRESTOOL pirumo.exe
set -uo pipefail
objdump=$1
wrestool=$2
exe=$3
. "$(dirname "$0")/../checks.sh"
. "$(dirname "$exe")/generated/package.env"

headers=$("$objdump" -p "$exe")
format=pei-x86-64
[ "$ARCHITECTURE" == x86 ] && format=pei-i386
check "a program for $ARCHITECTURE processors ($format)" grep -q "file format $format\$" <<<"$headers"
check "a GUI program" grep -q 'Subsystem.*(Windows GUI)' <<<"$headers"
foreign=$(grep 'DLL Name:' <<<"$headers" | awk '{print toupper($3)}' |
    grep -vxE 'KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL|IMM32.DLL|MSVCRT.DLL')
check "imports only Windows' own DLLs (not: $foreign)" test -z "$foreign"
# Each imported function as "DLL FUNCTION", against those Windows 7 SP1 has.
newer=$(awk '/DLL Name:/ {dll = toupper($3)} /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ {print dll, $3}' <<<"$headers" |
    grep -vxF -f <(grep -v '^#' "$(dirname "$0")/windows7_exports.txt" | grep .))
check "imports nothing that Windows 7 SP1 lacks (not: ${newer//$'\n'/, })" test -z "$newer"
flags="DYNAMIC_BASE NX_COMPAT"  # ASLR, no executable data
grep -q 'file format pei-x86-64' <<<"$headers" && flags+=" HIGH_ENTROPY_VA"  # 64-bit ASLR
for flag in $flags; do
    check "$flag" grep -q "^[[:space:]]*$flag\$" <<<"$headers"
done
check "no link time in the header (two builds give the same bytes)" \
    grep -q 'Time/Date[[:space:]]*Thu Jan  1 00:00:00 1970' <<<"$headers"
check "at most 300 KB" test "$(stat -c %s "$exe")" -le 300000

resources=$("$wrestool" -l "$exe")
check "icon group in Japanese" grep -q -- '--type=14 --name=1 --language=1041' <<<"$resources"
check "icon at 16, 24, 32, 48 and 256 pixels" test "$(grep -c -- '--type=3 ' <<<"$resources")" -eq 5
check "version record in Japanese" grep -q -- '--type=16 --name=1 --language=1041' <<<"$resources"
check "manifest" grep -q -- '--type=24 --name=1 ' <<<"$resources"

version=$("$wrestool" -x --raw --type=16 "$exe" | od -An -v -tx1 | tr -d '\n')
# a.b.c.d as VS_FIXEDFILEINFO holds it: two little-endian words, a.b then c.d.
fixed_version() {
    local a b c d
    IFS=. read -r a b c d <<<"$1"
    printf '%02x %02x %02x %02x %02x %02x %02x %02x' $((b & 255)) $((b >> 8)) $((a & 255)) $((a >> 8)) \
        $((d & 255)) $((d >> 8)) $((c & 255)) $((c >> 8))
}
# Its signature and structure version, then the file and product versions.
check "version numbers $FILE_VERSION" \
    grep -q "bd 04 ef fe 00 00 01 00 $(fixed_version "$FILE_VERSION") $(fixed_version "$FILE_VERSION")" <<<"$version"
check "translation 0x0411 with code page 1200" grep -q '11 04 b0 04$' <<<"$version"
strings=$("$wrestool" -x --raw --type=16 "$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr -c '[:print:]' '|' | tr -s '|')
for entry in '041104b0' "FileVersion|$VERSION_TEXT|" "ProductVersion|$VERSION_TEXT|" "ProductName|$PRODUCT_NAME|" \
    'InternalName|pirumo|' 'OriginalFilename|pirumo.exe|'; do
    check "version string $entry" grep -qF "$entry" <<<"$strings"
done

manifest=$("$wrestool" -x --raw --type=24 "$exe")
check "common controls 6" grep -q 'Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest"
check "per-monitor DPI aware" grep -q 'PerMonitorV2' <<<"$manifest"
check "DPI aware before Windows 10" grep -q '<dpiAware[^>]*>true/pm<' <<<"$manifest"
check "made for Windows 7 and later" grep -q 'supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"' <<<"$manifest"
check "long paths" grep -q '<longPathAware[^>]*>true<' <<<"$manifest"

echo "executable: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
