#!/usr/bin/env bash
# Runs the calculator fuzzer for a bounded time from the seed corpus.
# Usage: run.sh PATH/TO/calculator_fuzz SECONDS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fuzzer=$1
seconds=${2:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/corpus/* "$work/"
"$fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 -artifact_prefix="$work/" \
    "$work" 2>"$work.log" || {
    tail -n 40 "$work.log"
    for crash in "$work"/crash-*; do echo "input that broke it: $(od -An -tx1 "$crash" | tr -d '\n')"; done
    rm -f "$work.log"; echo "fuzz: 0 passed, 1 failed"; exit 1; }
runs=$(grep -o 'Done [0-9]* runs' "$work.log" | grep -o '[0-9]*')
rm -f "$work.log"
echo "fuzz: $runs sessions played in ${seconds} s, 0 invariant failures"
echo "fuzz: 1 passed, 0 failed"
