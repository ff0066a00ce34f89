# Sourced by the end-to-end tests (Qt's and Windows'), the benchmarks and the screenshot helper: an
# X server of our own (Xvfb on a free display number) with a window manager, torn down by
# qt_display_stop.

# qt_display_start [geometry]: exports DISPLAY; sets QT_DISPLAY_PIDS and QT_DISPLAY_LOG (what the
# server and the window manager print). The server never resets: a test that kills its program
# may leave it without clients for a moment. Safe under "set -e", as is qt_display_stop: the
# statuses of the servers they stop are not the caller's.
qt_display_start() {
    local geometry=${1:-1280x800x24} n
    QT_DISPLAY_LOG=$(mktemp)
    for n in $(seq 70 199); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb :$n -screen 0 "$geometry" -nolisten tcp -noreset -dpi 96 >"$QT_DISPLAY_LOG" 2>&1 &
        local xvfb=$!
        local tries=0
        while [ ! -e /tmp/.X11-unix/X$n ] && kill -0 $xvfb 2>/dev/null && [ $tries -lt 100 ]; do
            sleep 0.02; tries=$((tries + 1))
        done
        # Another test may have started a server on this number a moment earlier: ours owns it
        # only if the lock file names our server.
        if kill -0 $xvfb 2>/dev/null && [ -e /tmp/.X11-unix/X$n ] &&
            [ "$(tr -d ' ' </tmp/.X$n-lock 2>/dev/null)" = "$xvfb" ]; then
            export DISPLAY=:$n
            # The window manager is ready once it runs its start-up command: it owns the
            # screen well before that, and a window mapped in between may never be managed.
            local ready=$QT_DISPLAY_LOG.ready
            openbox --sm-disable --startup "touch $ready" >>"$QT_DISPLAY_LOG" 2>&1 &
            QT_DISPLAY_PIDS="$! $xvfb"
            tries=0
            until [ -e "$ready" ] || [ $tries -ge 250 ]; do
                sleep 0.02; tries=$((tries + 1))
            done
            rm -f "$ready"
            return 0
        fi
        # Lost the race for this number; try the next.
        kill $xvfb 2>/dev/null || true
        wait $xvfb 2>/dev/null || true
    done
    echo "no free X display number" >&2
    return 1
}

# qt_display_own_if_possible [geometry]: an X server of our own where Xvfb and openbox are at hand
# (the windows of other tests then never take the keyboard focus from ours), else the running one.
qt_display_own_if_possible() {
    if command -v Xvfb >/dev/null && command -v openbox >/dev/null; then
        qt_display_start "$@" || exit 1
    fi
}

qt_display_stop() {
    local pid
    for pid in ${QT_DISPLAY_PIDS:-}; do kill "$pid" 2>/dev/null || true; done
    for pid in ${QT_DISPLAY_PIDS:-}; do wait "$pid" 2>/dev/null || true; done
    QT_DISPLAY_PIDS=
    rm -f "${QT_DISPLAY_LOG:-}"
}

# qt_display_report: to stderr, whether the window manager and the server still run, and what they
# printed; for a test that lost its windows.
qt_display_report() {
    local pid
    {
        for pid in ${QT_DISPLAY_PIDS:-}; do
            echo "display $DISPLAY: process $pid ($(ps -o comm= -p "$pid" 2>/dev/null || echo gone))"
        done
        tail -n 20 "$QT_DISPLAY_LOG" 2>/dev/null
    } >&2
}

# qt_wait_window NAME [timeout seconds]: prints the id of the first visible window titled NAME.
qt_wait_window() {
    local name=$1 limit=${2:-10} id
    local deadline=$((SECONDS + limit))
    while [ $SECONDS -le $deadline ]; do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

# wait_until SECONDS COMMAND...: polls every 10 ms.
wait_until() {
    local limit=$1; shift
    local deadline=$((SECONDS + limit))
    until "$@"; do [ $SECONDS -gt $deadline ] && return 1; sleep 0.01; done
}

# qt_require_tools TOOL...: skips the test (CTest's code 77) when one is missing.
qt_require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
    done
}
