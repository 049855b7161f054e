#!/usr/bin/env bash
# tools/draw_pictures.py still draws exactly the pictures committed in res/:
# a change to one without the other shows here.
# Usage: drawings_test.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tests/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 143' TERM INT

/usr/bin/python3 "$root/tools/draw_pictures.py" "$work" >/dev/null || { echo "FAIL: draw_pictures.py"; exit 1; }
check "it draws every picture" test "$(cd "$work" && find . -type f | wc -l)" -ge 20
for file in $(cd "$work" && find . -type f | sort); do
    check "res/${file#./} is as drawn" cmp -s "$work/$file" "$root/res/$file"
done
echo "drawings: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
