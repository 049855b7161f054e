#!/usr/bin/env bash
# Runs a Windows program under Wine. Unless WINEPREFIX names one already,
# the run gets a Wine prefix of its own in a temporary folder, removed
# afterwards with every Wine process in it.
# Usage: wine.sh PROGRAM.exe [ARGS...]
set -uo pipefail

wine=/usr/lib/wine/wine64   # where Debian's wine64 keeps its launcher
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine) || { echo "wine.sh: no Wine" >&2; exit 127; }
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver

export WINEDEBUG=-all
# No offer to download Wine's Mono and Gecko, which PIRUMO does not need, and
# no menu entries written into the real home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX=$(mktemp -d)
    export WINEPREFIX
    cleanup() { "$wineserver" -k 2>/dev/null; rm -rf "$WINEPREFIX"; }
    trap cleanup EXIT
    trap 'exit 143' TERM INT
    "$wine" wineboot -i >/dev/null 2>&1
    # WINE_DPI=144: the desktop at 150 %.
    if [ -n "${WINE_DPI:-}" ]; then
        "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$WINE_DPI" /f >/dev/null 2>&1
        "$wineserver" -w
    fi
fi

# In the background, so that a TERM to this script ends the run at once.
"$wine" "$@" &
wait $!
