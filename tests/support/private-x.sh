# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the program on a private X server. It makes the work
# folder, a cleanup that stops the program ($app) and the server whatever happened, and
#   start_private_x [Xvfb options]   starts the server and points DISPLAY at it; its screen
#                                    is $PRIVATE_X_SCREEN (default 1024x768x24); starts a
#                                    session bus too unless one is given;
#   visibleWindows                   the ids of the windows shown, sorted;
#   openedWindow BEFORE              the window shown since visibleWindows gave BEFORE,
#                                    waited for up to 5 s; empty when none came;
#   copy_program EXE                 copies the program and its translations into $work.
work=$(mktemp -d)
xvfb= app= bus=
cleanup() {
    set +e # every step runs, whatever failed before
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$bus" ] && kill "$bus" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Copies the program and its translations into $work, its program folder for the run: the
# settings file lands there too.
copy_program() {
    cp "$1" "$work/quillon"
    cp "$(dirname "$1")"/quillon_*.qm "$work/"
}

start_private_x() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${PRIVATE_X_SCREEN:-1024x768x24}" -nolisten tcp "$@" 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$work/display")
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    # A session bus, as a desktop has. Without one, the first Qt program on the display
    # starts one through dbus-launch, which outlives the server, and the program's first
    # window waits for it.
    if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-daemon >/dev/null; then
        dbus-daemon --session --nofork --print-address=4 4>"$work/bus" 2>/dev/null &
        bus=$!
        for _ in $(seq 50); do [ -s "$work/bus" ] && break; sleep 0.1; done
        [ -s "$work/bus" ] || fail "the session bus did not start"
        export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
    fi
}

visibleWindows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort; }
openedWindow() {
    local window=
    for _ in $(seq 50); do
        window=$(comm -13 <(echo "$1") <(visibleWindows) | head -n1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    echo "$window"
}
