#!/usr/bin/env bash
# Takes a picture of the PIRUMO window on a private X server: docs/NAME.png
# at its real size and docs/NAME-3x.png enlarged for reading.
# Usage: tools/screenshot.sh [NAME [LAUNCHER...] PROGRAM]
#   tools/screenshot.sh                      docs/pirumo*.png of build-run/pirumo
#   tools/screenshot.sh pirumo-windows tests/windows/wine.sh build-windows/pirumo.exe
# PIRUMO_THEME=dark takes it on qt6ct's "darker" colour scheme; QT_SCALE_FACTOR
# (or WINE_DPI, for pirumo.exe)
# sets the scale (then NAME.png alone is written, at that scale).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=${1:-pirumo}
shift || true
program=("${@:-$root/build-run/pirumo}")
. "$root/tests/e2e/xsession.sh"
settings=$(mktemp -d)
# The program is given a moment to go (under Wine, to remove its prefix).
trap 'kill "${app:-}" 2>/dev/null; wait_until 5 bash -c "! kill -0 ${app:-0}"; stop_x; rm -rf "$settings"' EXIT
start_x

if [ "${PIRUMO_THEME:-}" = dark ]; then
    mkdir -p "$settings/qt6ct"
    printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
        >"$settings/qt6ct/qt6ct.conf"
    export XDG_CONFIG_HOME=$settings QT_QPA_PLATFORMTHEME=qt6ct
fi

"${program[@]}" &
app=$!
win=$(window_named PIRUMO)
focus "$win"
xdotool key 1 2 3 4 5 6 7 8 9 0 1
sleep 0.5
mkdir -p "$root/docs"
import -window "$win" "$root/docs/$name.png"
if [ -z "${QT_SCALE_FACTOR:-}${WINE_DPI:-}" ]; then
    convert "$root/docs/$name.png" -filter point -resize 300% "$root/docs/$name-3x.png"
    echo "wrote docs/$name.png and docs/$name-3x.png"
else
    echo "wrote docs/$name.png"
fi
