#!/usr/bin/env bash
# Builds the packages of the source tree (what git tracks or would track)
# once more, in another folder with a longer name, under another umask and
# time zone, and compares them byte for byte with those in dist/ (make
# package), file list included: an earlier version's package put in its
# dist/ beforehand must be gone. Time stamps come from the last commit.
# Usage: tools/reproducible.sh   (make reproducible)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy=$work/another-folder-with-a-longer-name

mkdir -p "$copy"
(cd "$root" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -c) | tar -x -C "$copy"
# What an earlier version's build left in dist/, which this one must not keep.
mkdir -p "$copy/dist"
echo earlier >"$copy/dist/pirumo-0.99-x64.msi"
echo "building in $copy under umask 002 and TZ=Asia/Tokyo"
(umask 002 && TZ=Asia/Tokyo make -C "$copy" package) >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log"; exit 1; }

status=0
if [ "$(cd "$root" && find dist -type f | sort)" != "$(cd "$copy" && find dist -type f | sort)" ]; then
    echo "DIFFERS: the files in dist/ (an earlier build's left there?)"
    diff <(cd "$root" && find dist -type f | sort) <(cd "$copy" && find dist -type f | sort)
    status=1
fi
for file in $(cd "$root" && find dist -type f | sort) build-windows/pirumo.exe build-windows-x86/pirumo.exe; do
    if cmp -s "$root/$file" "$copy/$file"; then
        echo "same:    $file ($(sha256sum <"$root/$file" | cut -c1-16)…)"
    else
        echo "DIFFERS: $file"
        status=1
    fi
done
exit $status
