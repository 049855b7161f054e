#!/usr/bin/env bash
# Runs a Qt program as a screen reader would see it: on a private X server,
# with a D-Bus session holding the accessibility bus, and Qt's AT-SPI
# bridge switched on.
# Usage: with_screen_reader.sh PROGRAM [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/xsession.sh"
trap stop_x EXIT
start_x || exit 1
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Asking for its address starts the accessibility bus, which Qt then finds.
dbus-run-session -- bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
    "$@"' with_screen_reader "$@" 2> >(grep -v "Failed to set fd limit" >&2)
