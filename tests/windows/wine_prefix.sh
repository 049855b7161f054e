# Shared by the scripts that run Windows programs under Wine: source it, then
# call new_wine_prefix, and end_wine_prefix when done.

export WINEDEBUG=-all
# No offer to download Wine's Mono and Gecko, which PIRUMO does not need, and
# no menu entries written into the real home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineserver=/usr/lib/wine/wineserver

# new_wine_prefix x64|x86: a fresh Wine prefix in a temporary folder, as
# 64-bit or 32-bit Windows, made ready; $wine is its launcher.
new_wine_prefix() {
    if [ "$1" == x86 ]; then
        wine=/usr/lib/wine/wine  # Debian's wine32
        export WINEARCH=win32
    else
        wine=/usr/lib/wine/wine64
        unset WINEARCH
    fi
    [ -x "$wine" ] || { echo "no $wine: Wine is not installed" >&2; return 127; }
    WINEPREFIX=$(mktemp -d)
    export WINEPREFIX
    "$wine" wineboot -i >/dev/null 2>&1
    # WINE_DPI=144: the desktop at 150 %.
    if [ -n "${WINE_DPI:-}" ]; then
        "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$WINE_DPI" /f >/dev/null 2>&1
        "$wineserver" -w
    fi
}

# end_wine_prefix: ends every Wine process in the prefix and removes it.
end_wine_prefix() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    "$wineserver" -k 2>/dev/null
    rm -rf "$WINEPREFIX"
}

# pe_architecture PROGRAM.exe: x86 or x64, from the PE header's machine field.
pe_architecture() {
    local header
    header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    if [ -n "$header" ] && [ "$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')" == 014c ]; then
        echo x86
    else
        echo x64
    fi
}
