#!/bin/bash
# Runs one of the page's browser tests with the network cut off: in a network
# namespace of its own that has only loopback, which ChromeDriver and the
# test's own web server need.
#   run.sh TEST.py ARGS...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
test=$1
shift
exec unshare --net bash -c 'ip link set lo up && exec /usr/bin/python3 "$@"' run "$here/$test" "$@"
