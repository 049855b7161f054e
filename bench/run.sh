#!/usr/bin/env bash
# Start-up and memory of PIRUMO against the floor, first as on most desktops
# and then as with a screen reader running (Qt's AT-SPI bridge active);
# pirumo.exe under Wine and pirumo.html in Chromium against their floors; then
# the core's Google Benchmark figures and the keystroke time.
# Usage: bench/run.sh [RUNS]   (the default is 20 runs of each program)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20}
build=$root/build-bench

echo "Start-up on Xvfb, $runs runs each, interleaved; accessibility off:"
"$root/bench/startup.sh" "$runs"
echo "The same with accessibility on (an AT-SPI bus on a D-Bus session):"
"$root/tests/ui/with_screen_reader.sh" "$root/bench/startup.sh" "$runs"
p_size=$(stat -c %s "$build/pirumo")
f_size=$(stat -c %s "$build/bench/floor_window")
echo "Executable size: PIRUMO $p_size bytes, floor $f_size bytes"

echo
echo "pirumo.exe under Wine against a bare Win32 window with the same manifest, $runs runs each, interleaved:"
"$root/bench/wine_startup.sh" "$runs"
echo "Executable size: pirumo.exe $(stat -c %s "$root/build-windows-bench/pirumo.exe") bytes"

echo
echo "pirumo.html in headless Chromium against a bare page with one label, $runs opens each, in turn:"
/usr/bin/python3 "$root/bench/web_page.py" "$root/build-wasm/pirumo.html" "$runs"

echo
"$build/bench/core_bench" --benchmark_repetitions=1
echo
QT_QPA_PLATFORM=offscreen "$build/bench/keystroke_bench"
