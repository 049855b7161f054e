#!/usr/bin/env bash
# Runs a program on a private X server of its own, for tests that need a
# display but drive no keys.
# Usage: on_private_display.sh PROGRAM [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/xsession.sh"
trap stop_x EXIT
start_x || exit 1
"$@"
