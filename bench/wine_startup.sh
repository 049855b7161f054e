#!/usr/bin/env bash
# Start-up of pirumo.exe under Wine against its floor (a bare Win32 window
# with the same manifest), measured interleaved on a private X server to the
# window's map and its first drawn frame. One Wine prefix and one running
# wineserver serve every run, so that neither is counted.
# Usage: bench/wine_startup.sh [RUNS [OTHER.exe]]   (the default is 15 runs
# of each; OTHER.exe, say an earlier build, takes turns with them as "other")
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
other=${2:-}
exe=$root/build-windows-bench/pirumo.exe
floor=$root/build-windows-bench/bench/floor_window_win32.exe
timer=$root/build-bench/bench/map_timer
. "$root/tests/e2e/xsession.sh"
. "$root/tests/windows/wine_prefix.sh"
results=$(mktemp)
trap 'end_wine_prefix; stop_x; rm -rf "$results"' EXIT
start_x
new_wine_prefix x64
"$wineserver" -p  # stays up between the runs

for i in $(seq "$runs"); do
    for program in $(shuf -e pirumo floor ${other:+other}); do
        case $program in
            pirumo) run=("$wine" "$exe") ;;
            floor) run=("$wine" "$floor") ;;
            other) run=("$wine" "$other") ;;
        esac
        echo "$program $("$timer" "${run[@]}" 2>/dev/null)" >>"$results"
    done
done

median() {
    awk -v p="$1" '$1 == p { print $'"$2"' }' "$results" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
printf '  %-36s %10s %10s %8s\n' "" program floor ratio
for program in pirumo ${other:+other}; do
    name=$([ "$program" = pirumo ] && echo pirumo.exe || echo other)
    for column in 2 3; do
        what=$([ "$column" = 2 ] && echo "window mapped" || echo "first frame")
        p=$(median $program $column)
        f=$(median floor $column)
        printf '  %-36s %10.1f %10.1f %8.3f\n' "$name, $what (ms), median" "$p" "$f" "$(echo "$p / $f" | bc -l)"
    done
done
