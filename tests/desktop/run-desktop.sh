#!/usr/bin/env bash
# Runs a window test program on a private X display with a window manager, as a user's
# desktop would show its windows: Xvfb on a display it finds free itself, openbox on it, and a
# home, configuration, data, cache, runtime and temp folder of the run's own. Ends only the
# processes it started; should this script be killed outright, the kernel ends them.
#
#   run-desktop.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

for tool in Xvfb openbox xprop setpriv; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "run-desktop.sh: $tool is missing (make deps installs xvfb, openbox, x11-utils)" >&2
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quirasol-desktop.XXXXXX")
xvfb_pid=""
wm_pid=""

stop() {
    local pid
    for pid in $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

fail() {
    echo "run-desktop.sh: $*" >&2
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

# Waits up to thirty seconds for a command to succeed: a loaded machine (CI builds beside
# the tests) can take its time to start an X server and a window manager.
wait_for() {
    local i
    for i in $(seq 300); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache" "$work/run" "$work/tmp"
chmod 700 "$work/run"

# Xvfb takes the first free display and writes its number once it accepts connections.
# Both servers get a TERM signal when this script ends, however it ends.
setpriv --pdeathsig TERM Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for test -s "$work/display" || fail "Xvfb did not start"
display=":$(head -n 1 "$work/display")"

export DISPLAY="$display" HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/run" \
    TMPDIR="$work/tmp" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

start_wm() {
    setpriv --pdeathsig TERM openbox --sm-disable >>"$work/openbox.log" 2>&1 &
    wm_pid=$!
}
# Openbox runs and manages the display. On a loaded machine it may fail to open a display
# that has only just come up: then it is started again.
wm_running() {
    if ! kill -0 "$wm_pid" 2>/dev/null; then
        wait "$wm_pid" 2>/dev/null || true
        start_wm
        return 1
    fi
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"
}
start_wm
wait_for wm_running || fail "openbox did not start on $display"

"$@"
