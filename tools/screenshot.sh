#!/usr/bin/env bash
# Takes a picture of the PIRUMO window on a private X server: docs/pirumo.png
# at its real size and docs/pirumo-3x.png enlarged for reading.
# Usage: tools/screenshot.sh [PATH/TO/pirumo]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/pirumo}
. "$root/tests/e2e/xsession.sh"
trap 'kill "${app:-}" 2>/dev/null; stop_x' EXIT
start_x

"$program" &
app=$!
win=$(window_named PIRUMO)
xdotool windowfocus --sync "$win"
xdotool key 1 2 3 4 5 6 7 8 9 0 1
sleep 0.5
mkdir -p "$root/docs"
import -window "$win" "$root/docs/pirumo.png"
convert "$root/docs/pirumo.png" -filter point -resize 300% "$root/docs/pirumo-3x.png"
echo "wrote docs/pirumo.png and docs/pirumo-3x.png"
