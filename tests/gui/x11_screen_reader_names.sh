#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads, as a screen reader does, the names the real program gives its number boxes,
# draw boxes, range of boards and printer offsets: through the accessibility tree on
# the accessibility bus, with the program on a private X server in a D-Bus session of
# its own. Each window is opened with a click and closed with Escape.
#   x11_screen_reader_names.sh QUILLON_EXECUTABLE
# Exits 77 (skipped) where Xvfb, xdotool, D-Bus, the accessibility bus or pyatspi is missing.
set -euo pipefail
exe=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
py=/usr/bin/python3
[ -x "$py" ] || py=python3
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }
command -v dbus-run-session >/dev/null && command -v dbus-send >/dev/null || { echo "D-Bus tools missing"; exit 77; }
[ -x "$launcher" ] || { echo "at-spi-bus-launcher missing (at-spi2-core)"; exit 77; }
"$py" -c 'import pyatspi' 2>/dev/null || { echo "pyatspi missing (python3-pyatspi)"; exit 77; }

# A session bus of our own, ended with the script.
if [ -z "${QUILLON_PRIVATE_SESSION:-}" ]; then
    exec env QUILLON_PRIVATE_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi

source "$here/../support/private-x.sh"
bus=
trap '[ -n "$bus" ] && kill "$bus" 2>/dev/null; cleanup' EXIT

cp "$exe" "$work/quillon"
# English settings: the names are checked in the language they are written in.
printf '\0\0\0\0\2\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >"$work/QUILLON.PAR"
start_private_x
export CUPS_SERVER=$work/no-cups.sock

# The accessibility bus, announced on the session bus; Qt joins it without waiting
# for a screen reader to ask.
"$launcher" --launch-immediately --a11y=1 >/dev/null 2>&1 &
bus=$!
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
    || { echo "the accessibility bus did not start"; exit 77; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

cd "$work"
./quillon &
app=$!
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillon$' | head -n1) || fail "no main window"
sleep 1

expectNames() {
    "$py" "$here/atspi_names.py" QUILLON "$@" || fail "the accessibility tree lacks names (above)"
}
# Opens a secondary window with a click on the main window, checks its names, and
# closes it with Escape.
inWindow() {
    local x=$1 y=$2
    shift 2
    xdotool mousemove --window "$main" "$x" "$y" click 1
    local dialog
    dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "$title" | head -n1) || fail "no window $title"
    expectNames "$@"
    xdotool windowfocus --sync "$dialog" key Escape
    for _ in $(seq 50); do xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || return 0; sleep 0.1; done
    fail "the window $title did not close"
}

boxes=()
for n in 1 2 3 7; do boxes+=("combo box:Number $n"); done
expectNames "${boxes[@]}"

title='^Compare'
draw=()
for n in 1 2 3 4 5 6 7; do draw+=("combo box:Drawn number $n"); done
inWindow 575 310 "${draw[@]}" "combo box:Bonus number 1" "combo box:Bonus number 2"

title='^Parameters$'
inWindow 133 28 "text:Horizontal offset in millimetres" "text:Vertical offset in millimetres"

title='^Print the tickets'
inWindow 256 310 "text:First board to print" "text:Last board to print"
echo "every name read through the accessibility bus"
