#!/usr/bin/env bash
# The x86 tree configured on a machine that runs 32-bit x86 programs and on
# one that does not (the probe pointed at a program that starts here and at
# one that cannot: pirumo.exe itself): where they cannot run, the tests that
# start pirumo.exe are reported as skipped and nothing else is, and the
# checks that read the file still fail on a damaged one.
# Usage: x86_probe_test.sh OBJDUMP WRESTOOL pirumo.exe
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
objdump=$1 wrestool=$2 exe=$3
. "$here/../checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Configures a tree in $work/NAME with the probe pointed at PROGRAM.
# Usage: configure NAME PROGRAM
configure() {
    PIRUMO_X86_PROBE=$2 cmake -S "$root" -B "$work/$1" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" >"$work/$1.log" 2>&1 || cat "$work/$1.log"
}
# The tests that a tree runs, as "NAME run|skipped" lines: skipped where ctest
# reports it so. Nothing is built there, so the others fail when run, and the
# slow ones are only listed (a skipped test's command is CMake's echo).
tests_of() {
    ctest --test-dir "$work/$1" --show-only=json-v1 |
        /usr/bin/python3 -c 'import json, sys
for test in json.load(sys.stdin)["tests"]:
    print(test["name"], "listed" if test["command"][1:3] == ["-E", "echo"] else "run")' | sort >"$work/$1.tests"
    ctest --test-dir "$work/$1" -R "^($(awk '$2 == "listed" {print $1}' "$work/$1.tests" | paste -sd'|'))\$" 2>/dev/null |
        sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) \.+ *\*\*\*Skipped.*/\1 skipped/p' >"$work/$1.skipped"
    awk '$2 == "run"' "$work/$1.tests" | cat - "$work/$1.skipped" | sort
}
program_tests="core e2e.windows e2e.windows7 e2e.windows_x86_on_x64 windows.labels_without_japanese_fonts
windows.missing_system_parts windows.older_windows windows.window"
expected() {
    for test in $program_tests; do echo "$test $1"; done
    printf '%s run\n' windows.executable windows.x86_probe
}

configure runs /bin/true
check_equal "runs 32-bit programs: every test runs" "$(expected run | sort)" "$(tests_of runs)"
configure cannot "$exe"
check_equal "runs none: the tests that start pirumo.exe are skipped, the file is still read" \
    "$(expected skipped | sort)" "$(tests_of cannot)"
check "and the configure log says why" grep -q 'skipped: this machine runs no 32-bit x86 programs' "$work/cannot.log"

# pirumo.exe with the processor in its header changed to x64's (0x8664).
mkdir "$work/damaged"
cp -r "$(dirname "$exe")/generated" "$work/damaged/"
cp "$exe" "$work/damaged/pirumo.exe"
header=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
printf '\x64\x86' | dd of="$work/damaged/pirumo.exe" bs=1 seek=$((header + 4)) conv=notrunc 2>/dev/null
check "the file's checks pass on pirumo.exe" "$here/executable_test.sh" "$objdump" "$wrestool" "$exe"
check "and fail on one made for another processor" bash -c '! "$@"' - \
    "$here/executable_test.sh" "$objdump" "$wrestool" "$work/damaged/pirumo.exe"

echo "x86 probe: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
