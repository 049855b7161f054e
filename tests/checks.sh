# Shared by the shell tests: source it, then count results with check, and
# end with: echo "NAME: $passes passed, $failures failed"; [ "$failures" -eq 0 ]

failures=0
passes=0
# check WHAT COMMAND...: passes when COMMAND succeeds.
check() {
    if "${@:2}" >/dev/null 2>&1; then passes=$((passes + 1)); else failures=$((failures + 1)); echo "FAIL: $1"; fi
}

# check_equal WHAT EXPECTED ACTUAL: passes when the two are the same text.
check_equal() {
    if [ "$2" == "$3" ]; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        printf 'FAIL: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

# The version as the packages name it ("1.00"), from what CMake made.
# Usage: package_version BUILD-FOLDER
package_version() {
    (. "$1/generated/package.env" && echo "$VERSION_TEXT")
}
