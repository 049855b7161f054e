#!/usr/bin/env bash
# Runs a Windows program under Wine. Unless WINEPREFIX names one already,
# the run gets a Wine prefix of its own in a temporary folder, removed
# afterwards with every Wine process in it. A 32-bit program gets a 32-bit
# prefix, as on 32-bit Windows, unless WINE_PREFIX_ARCHITECTURE=x64 asks for
# 64-bit Windows, where most copies of it run.
# Usage: [WINE_PREFIX_ARCHITECTURE=x64] [WINE_MISSING_DLLS=a,b] wine.sh PROGRAM.exe [ARGS...]
set -uo pipefail
. "$(dirname "$0")/wine_prefix.sh"

if [ -z "${WINEPREFIX:-}" ]; then
    trap end_wine_prefix EXIT
    trap 'exit 143' TERM INT
    new_wine_prefix "${WINE_PREFIX_ARCHITECTURE:-$(pe_architecture "$1")}" || exit
else
    wine=/usr/lib/wine/wine64  # a 64-bit prefix runs 32-bit programs too
fi

# WINE_MISSING_DLLS=a,b: the program runs as on a Windows that lacks them.
if [ -n "${WINE_MISSING_DLLS:-}" ]; then
    WINEDLLOVERRIDES+=";$WINE_MISSING_DLLS="
fi
# In the background, so that a TERM to this script ends the run at once.
"$wine" "$@" &
wait $!
