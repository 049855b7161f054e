#!/usr/bin/env bash
# Compiles the Windows version record with windres and reads it back.
# Usage: windows_resource_test.sh WINDRES RC-FILE
set -uo pipefail
windres=$1
rc=$2
. "$(dirname "$rc")/package.env"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$windres" --preprocessor=cpp -I "$(dirname "$rc")" "$rc" -O res -o "$work/pirumo.res" || exit 1
"$windres" -i "$work/pirumo.res" -O rc -o "$work/back.rc" || exit 1

failures=0
for expected in 'LANGUAGE 17, 1' "FILEVERSION ${FILE_VERSION//./, }" "PRODUCTVERSION ${FILE_VERSION//./, }" 'FILETYPE 0x1' \
    'BLOCK "041104b0"' "VALUE \"FileVersion\", \"$VERSION_TEXT\"" "VALUE \"ProductVersion\", \"$VERSION_TEXT\"" \
    "VALUE \"ProductName\", \"$PRODUCT_NAME\"" 'VALUE "InternalName", "pirumo"' \
    'VALUE "OriginalFilename", "pirumo.exe"' 'VALUE "Translation", 0x411, 1200' 'RT_GROUP_ICON'; do
    grep -qF "$expected" "$work/back.rc" || { echo "FAIL: no $expected"; failures=$((failures + 1)); }
done
echo "windows resource: $((12 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
