#!/usr/bin/env bash
# What a blind user hears: runs Orca, Debian's screen reader, on a private X
# server and D-Bus session with the accessibility bus, starts PROGRAM there,
# presses keys and reads what Orca says from its debug log.
# Usage: with_screen_reader.sh TITLE PROGRAM [ARGS...]
#   TITLE: the title of PROGRAM's window, as a regular expression
#   with_screen_reader.sh PIRUMO build/pirumo
#   with_screen_reader.sh 'PIRUMO .*Firefox.*' firefox-esr --new-instance build-wasm/pirumo.html
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# First a display, then a D-Bus session of the test's own, where the script
# runs again.
if [ -z "${PIRUMO_SCREEN_READER_SESSION:-}" ]; then
    . "$here/../e2e/xsession.sh"
    trap stop_x EXIT
    start_x || exit 1
    PIRUMO_SCREEN_READER_SESSION=1 dbus-run-session -- "$0" "$@" 2> >(grep -v "Failed to set fd limit" >&2)
    exit
fi
. "$here/../e2e/xsession.sh"
. "$here/../checks.sh"
title=$1
shift
home=$(mktemp -d)
trap 'end_started; rm -rf "$home"' EXIT
# Orca's settings, Firefox's profile and every socket stay in the test's own
# folder, away from the desktop's.
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
    XDG_RUNTIME_DIR=$home/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GTK_A11Y=atspi MOZ_ENABLE_WAYLAND=0
# Asking for its address starts the accessibility bus.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    { echo "no accessibility bus: at-spi2-core is missing" >&2; exit 1; }

# Orca writes its log in blocks; opened line by line, each spoken line can be
# waited for as it is said. It would refuse to start beside another Orca of
# this user (the user's own, another test's), which --replace would kill:
# this one looks for none. It speaks to no speech server: what it says is in
# its log all the same.
log=$home/orca.log
export SPEECHD_ADDRESS=unix_socket:$home/no-speech-server
/usr/bin/python3 -c '
import builtins, runpy, sys
log, plain_open = sys.argv[1], builtins.open
builtins.open = lambda file, mode="r", *rest, **named: (
    plain_open(file, mode, 1, *rest, **named) if file == log else plain_open(file, mode, *rest, **named))
sys.argv = ["orca", "--debug-file=" + log]
launcher = runpy.run_path("/usr/bin/orca")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())' "$log" >"$home/orca.out" 2>&1 &
started+=($!)

spoken() { sed -n "s/.*SPEECH OUTPUT: '\\([^']*\\)'.*/\\1/p" "$log" 2>/dev/null; }
# heard WHAT PHRASE: passes, and returns 0, when Orca says PHRASE (a line of
# its speech) within 30 s of the last check; later checks see only what it
# says after that.
said_before=0
said_since() { spoken | tail -n +$((said_before + 1)); }
says() { said_since | grep -qxF "$1"; }
heard() {
    local status=0
    wait_until 30 says "$2" || status=1
    if [ $status -eq 0 ]; then passes=$((passes + 1)); else failures=$((failures + 1)); fi
    [ $status -eq 0 ] || { printf 'FAIL: %s: Orca did not say %q; it said:\n' "$1" "$2"; said_since | sed 's/^/    /'; }
    said_before=$(spoken | wc -l)
    return $status
}

heard "Orca starts" "Screen reader on." || exit 1
"$@" >"$home/program.out" 2>&1 &
started+=($!)
window=$(window_named "$title") || { echo "no window titled $title"; cat "$home/program.out"; exit 1; }
focus "$window"
heard "the window opens on Text1" "数字、BackSpace、Enter、↑↓、スペースで番号を入力します." || exit 1

# press KEY PHRASE: after KEY, Orca says PHRASE.
press() {
    xdotool key "$1"
    heard "$1" "$2" || true
}
press 1 "1、チェック文字 9"
press 2 "1 2、チェック文字 4"
press 3 "1 2 3、チェック文字 6"
press Up "1 2 4、チェック文字 4"
press F2 "1件記録"
press Return "1 2 4、チェック文字 4、2件記録"
press 5 "5、チェック文字 1"
press BackSpace "番号なし、チェック文字 0"
press F2 "記録 off"
press space "番号なし、チェック文字 0"

# The keyboard goes to another window and comes back: keys still go to the
# number, not to the screen reader's reading of a page (where 4 would go to
# the next heading of level 4).
xmessage -name elsewhere -title elsewhere elsewhere &
started+=($!)
focus "$(window_named elsewhere)"
focus "$window"
press 4 "4、チェック文字 3"

echo "screen reader: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
