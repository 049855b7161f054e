#!/usr/bin/env bash
# Runs a test program in a private mount namespace holding a full disk and a
# read-only folder, whose paths it passes on in PIRUMO_FULL_DIR and
# PIRUMO_READONLY_DIR. Root ignores file permissions, so only mounts make
# these faults real. Where namespaces are not allowed the program runs
# without them and skips those cases.
# Usage: run_isolated.sh PROGRAM [ARGS...]
set -uo pipefail

if [ "${1:-}" != --inside ]; then
    if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null; then
        exec unshare -m --propagation private "$0" --inside "$@"
    fi
    echo "run_isolated: no private mount namespace here; the full-disk and read-only cases are skipped" >&2
    exec "$@"
fi
shift

base=$(mktemp -d)
trap 'umount "$base/full" "$base/readonly" 2>/dev/null; rm -rf "$base"' EXIT
mkdir "$base/full" "$base/readonly"

mount -t tmpfs -o size=64k tmpfs "$base/full"
printf 'kept\r\n' >"$base/full/keep.txt"
dd if=/dev/zero of="$base/full/filler" bs=4k 2>/dev/null   # stops at "no space left"

printf 'kept\r\n' >"$base/readonly/keep.txt"
mount --bind "$base/readonly" "$base/readonly"
mount -o remount,bind,ro "$base/readonly"

PIRUMO_FULL_DIR="$base/full" PIRUMO_READONLY_DIR="$base/readonly" "$@"
