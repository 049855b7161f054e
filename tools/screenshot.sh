#!/usr/bin/env bash
# Takes a picture of the PIRUMO window on a private X server: docs/NAME.png
# at its real size and docs/NAME-3x.png enlarged for reading.
# Usage: tools/screenshot.sh [NAME [LAUNCHER...] PROGRAM]
#   tools/screenshot.sh                      docs/pirumo*.png of build/pirumo
#   tools/screenshot.sh pirumo-windows tests/windows/wine.sh build-windows/pirumo.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=${1:-pirumo}
shift || true
program=("${@:-$root/build/pirumo}")
. "$root/tests/e2e/xsession.sh"
trap 'kill "${app:-}" 2>/dev/null; wait "${app:-}" 2>/dev/null; stop_x' EXIT
start_x

"${program[@]}" &
app=$!
win=$(window_named PIRUMO)
xdotool windowfocus --sync "$win"
xdotool key 1 2 3 4 5 6 7 8 9 0 1
sleep 0.5
mkdir -p "$root/docs"
import -window "$win" "$root/docs/$name.png"
convert "$root/docs/$name.png" -filter point -resize 300% "$root/docs/$name-3x.png"
echo "wrote docs/$name.png and docs/$name-3x.png"
