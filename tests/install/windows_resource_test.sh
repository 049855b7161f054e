#!/usr/bin/env bash
# Compiles the Windows version record with windres and reads it back.
# Usage: windows_resource_test.sh WINDRES RC-FILE
set -uo pipefail
windres=$1
rc=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$windres" --preprocessor=cpp -I "$(dirname "$rc")" "$rc" -O res -o "$work/pirumo.res" || exit 1
"$windres" -i "$work/pirumo.res" -O rc -o "$work/back.rc" || exit 1

failures=0
for expected in 'LANGUAGE 17, 1' 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' 'FILETYPE 0x1' \
    'BLOCK "041104b0"' 'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
    'VALUE "ProductName", "PIRUMO"' 'VALUE "InternalName", "pirumo"' \
    'VALUE "OriginalFilename", "pirumo.exe"' 'VALUE "Translation", 0x411, 1200' 'RT_GROUP_ICON'; do
    grep -qF "$expected" "$work/back.rc" || { echo "FAIL: no $expected"; failures=$((failures + 1)); }
done
echo "windows resource: $((12 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
