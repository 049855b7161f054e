# Shared by the scripts that drive PIRUMO on a private X server: source it,
# then call start_x. Needs Xvfb and xdotool.

start_x() {
    local fdfile
    fdfile=$(mktemp)
    # -noreset: without it the server resets when its last client leaves and
    # the next program start can fail to connect.
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 640x480x24 3>"$fdfile" 2>/dev/null &
    XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(tr -dc 0-9 <"$fdfile")"
    rm -f "$fdfile"
    [ "$DISPLAY" != ":" ] || { echo "Xvfb did not start" >&2; return 1; }
    export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

stop_x() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
}

# wait_until SECONDS COMMAND...: polls until COMMAND succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# The id of the visible window titled exactly TITLE, waiting up to 60 s (a
# program under Wine first makes its Wine prefix).
window_named() {
    wait_until 60 xdotool search --onlyvisible --name "^$1\$" || return 1
    xdotool search --onlyvisible --name "^$1\$" | head -n 1
}
