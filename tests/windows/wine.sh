#!/usr/bin/env bash
# Runs a Windows program under Wine. Unless WINEPREFIX names one already,
# the run gets a Wine prefix of its own in a temporary folder, removed
# afterwards with every Wine process in it. A 32-bit program gets a 32-bit
# prefix, as on 32-bit Windows.
# Usage: wine.sh PROGRAM.exe [ARGS...]
set -uo pipefail
. "$(dirname "$0")/wine_prefix.sh"

if [ -z "${WINEPREFIX:-}" ]; then
    trap end_wine_prefix EXIT
    trap 'exit 143' TERM INT
    new_wine_prefix "$(pe_architecture "$1")" || exit
else
    wine=/usr/lib/wine/wine64  # a 64-bit prefix runs 32-bit programs too
fi

# In the background, so that a TERM to this script ends the run at once.
"$wine" "$@" &
wait $!
