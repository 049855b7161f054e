#!/usr/bin/env bash
# Start-up and memory of PIRUMO against the floor (a bare Qt window of the
# same size), both Release builds, measured interleaved on one private X
# server; then the core's Google Benchmark figures and the keystroke time.
# Usage: bench/run.sh [RUNS]   (the default is 20 runs of each program)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20}
build=$root/build-release
. "$root/tests/e2e/xsession.sh"
trap stop_x EXIT
start_x

results=$(mktemp)
for i in $(seq "$runs"); do
    for program in pirumo floor child; do
        case $program in
            pirumo) run=("$build/pirumo") ;;
            floor) run=("$build/bench/floor_window") ;;
            child) run=("$build/bench/floor_window" --with-child) ;;
        esac
        echo "$program $("$build/bench/map_timer" "${run[@]}")" >>"$results"
    done
done

# stats PROGRAM COLUMN: minimum and median of one figure
stats() {
    awk -v p="$1" '$1 == p { print $'"$2"' }' "$results" | sort -g |
        awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print v[1], m }'
}
read -r p_ms_min p_ms_med < <(stats pirumo 2)
read -r f_ms_min f_ms_med < <(stats floor 2)
read -r p_kb_min p_kb_med < <(stats pirumo 3)
read -r f_kb_min f_kb_med < <(stats floor 3)
read -r c_ms_min c_ms_med < <(stats child 2)
read -r p_libs _ < <(stats pirumo 4)
read -r f_libs _ < <(stats floor 4)
p_size=$(stat -c %s "$build/pirumo")
f_size=$(stat -c %s "$build/bench/floor_window")

echo "Start-up on Xvfb, $runs runs each, interleaved (exec to window mapped):"
printf '  %-28s %10s %10s %10s\n' "" PIRUMO floor ratio
printf '  %-28s %10.2f %10.2f %10.3f\n' "start-up min (ms)" "$p_ms_min" "$f_ms_min" "$(echo "$p_ms_min / $f_ms_min" | bc -l)"
printf '  %-28s %10.2f %10.2f %10.3f\n' "start-up median (ms)" "$p_ms_med" "$f_ms_med" "$(echo "$p_ms_med / $f_ms_med" | bc -l)"
printf '  %-28s %10d %10d %10.3f\n' "peak RSS min (KiB)" "$p_kb_min" "$f_kb_min" "$(echo "$p_kb_min / $f_kb_min" | bc -l)"
printf '  %-28s %10d %10d %10.3f\n' "peak RSS median (KiB)" "${p_kb_med%.*}" "${f_kb_med%.*}" "$(echo "$p_kb_med / $f_kb_med" | bc -l)"
printf '  %-28s %10d %10d %10d\n' "peak RSS median - floor (KiB)" "$(echo "$p_kb_med - $f_kb_med" | bc)" 0 0
printf '  %-28s %10d %10d %10.3f\n' "executable size (bytes)" "$p_size" "$f_size" "$(echo "$p_size / $f_size" | bc -l)"
printf '  %-28s %10d %10d\n' "shared libraries loaded" "$p_libs" "$f_libs"
echo "  A floor window holding one empty label: start-up min $c_ms_min ms, median $c_ms_med ms" \
     "(PIRUMO / this: $(printf '%.3f' "$(echo "$p_ms_med / $c_ms_med" | bc -l)") at the median)"
rm -f "$results"

echo
"$build/bench/core_bench" --benchmark_repetitions=1
echo
QT_QPA_PLATFORM=offscreen "$build/bench/keystroke_bench"
