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

# The processes a script started, to be ended by their ids.
started=()

# end_started: ends every process in started that still runs, waiting up to
# 5 s for each before it is killed outright.
end_started() {
    local pid
    for pid in "${started[@]}"; do
        end_process "$pid"
    done
    started=()
}

end_process() {
    kill -CONT "$1" 2>/dev/null
    kill "$1" 2>/dev/null || return 0
    wait_until 5 bash -c "! kill -0 $1 2>/dev/null" || kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    return 0
}

stop_x() {
    [ -n "${XVFB_PID:-}" ] && end_process "$XVFB_PID"
}

# focus WINDOW: gives WINDOW the keyboard, waiting up to 10 s for it to take it.
focus() {
    xdotool windowfocus "$1" 2>/dev/null
    wait_until 10 bash -c "[ \"\$(xdotool getwindowfocus)\" == $1 ]" ||
        echo "the window $1 did not take the keyboard within 10 s" >&2
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
