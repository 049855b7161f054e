#!/bin/bash
# Runs the page's browser tests with the network cut off: in a network
# namespace of their own that has only loopback, which ChromeDriver needs.
#   run.sh PAGE NODE_MODULES
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
page=$(realpath "$1")
axe=$(realpath "$2/axe-core/axe.min.js")
exec unshare --net bash -c 'ip link set lo up && exec /usr/bin/python3 "$0"/page_test.py "$1" "$2"' \
    "$here" "$page" "$axe"
