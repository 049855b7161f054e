#!/usr/bin/env bash
# Builds the packages of the source tree (what git tracks or would track)
# twice, in two different folders, and compares them byte for byte. Time
# stamps come from the last commit.
# Usage: tools/reproducible.sh   (make reproducible)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for copy in first second-with-a-longer-name; do
    mkdir -p "$work/$copy"
    (cd "$root" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -c) |
        tar -x -C "$work/$copy"
    echo "building in $work/$copy"
    make -C "$work/$copy" package >"$work/$copy.log" 2>&1 || { tail -n 30 "$work/$copy.log"; exit 1; }
done

status=0
for file in $(cd "$work/first" && ls dist/* build-windows/pirumo.exe); do
    if cmp -s "$work/first/$file" "$work/second-with-a-longer-name/$file"; then
        echo "same:    $file ($(sha256sum <"$work/first/$file" | cut -c1-16)…)"
    else
        echo "DIFFERS: $file"
        status=1
    fi
done
exit $status
