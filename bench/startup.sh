#!/usr/bin/env bash
# Start-up and memory of PIRUMO against the floor (a bare Qt window of the
# same size), both Release builds, measured interleaved on a private X
# server, to the window's map and to its first drawn frame.
# Usage: bench/startup.sh [RUNS]   (the default is 20 runs of each program)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20}
build=$root/build-bench
. "$root/tests/e2e/xsession.sh"
results=$(mktemp)
trap 'stop_x; rm -f "$results"' EXIT
start_x

# A fresh order in each round, so that no program always follows another.
for i in $(seq "$runs"); do
    for program in $(shuf -e pirumo floor child); do
        case $program in
            pirumo) run=("$build/pirumo") ;;
            floor) run=("$build/bench/floor_window") ;;
            child) run=("$build/bench/floor_window" --with-child) ;;
        esac
        echo "$program $("$build/bench/map_timer" "${run[@]}" 2>/dev/null)" >>"$results"
    done
done

# stats PROGRAM COLUMN: minimum and median of one figure
stats() {
    awk -v p="$1" '$1 == p { print $'"$2"' }' "$results" | sort -g |
        awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print v[1], m }'
}
row() {  # row LABEL COLUMN FORMAT
    local p_min p_med f_min f_med
    read -r p_min p_med < <(stats pirumo "$2")
    read -r f_min f_med < <(stats floor "$2")
    printf "  %-30s $3 $3 %8.3f\n" "$1, min" "$p_min" "$f_min" "$(echo "$p_min / $f_min" | bc -l)"
    printf "  %-30s $3 $3 %8.3f\n" "$1, median" "$p_med" "$f_med" "$(echo "$p_med / $f_med" | bc -l)"
}
printf '  %-30s %10s %10s %8s\n' "" PIRUMO floor ratio
row "window mapped (ms)" 2 %10.2f
row "first frame drawn (ms)" 3 %10.2f
row "peak RSS (KiB)" 4 %10.0f
read -r _ p_kb < <(stats pirumo 4)
read -r _ f_kb < <(stats floor 4)
read -r p_libs _ < <(stats pirumo 5)
read -r f_libs _ < <(stats floor 5)
read -r _ c_frame < <(stats child 3)
printf '  %-30s %10d\n' "peak RSS median - floor (KiB)" "$(echo "$p_kb - $f_kb" | bc | cut -d. -f1)"
printf '  %-30s %10d %10d\n' "shared libraries loaded" "$p_libs" "$f_libs"
echo "  a floor holding one empty label: first frame at $c_frame ms (median)"
