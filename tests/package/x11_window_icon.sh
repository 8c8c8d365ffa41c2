#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's windows carry its icon on a real X server, from the copy built into the
# program: no icon theme can be found here, as on a desktop where the package is not
# installed. The window manager reads the icons from _NET_WM_ICON and matches the window to
# the menu entry by WM_CLASS.
#   x11_window_icon.sh QUILLON_EXECUTABLE DESKTOP_FILE
# Exits 77 (skipped) where Xvfb, xdotool or xprop is missing.
set -euo pipefail
exe=$(realpath "$1")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$2")
for tool in Xvfb xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "$tool missing"; exit 77; }
done

source "$(dirname "$0")/../support/private-x.sh"

start_private_x
export HOME=$work XDG_DATA_DIRS=$work/no-data XDG_DATA_HOME=$work/no-data

cp "$exe" "$work/quillon"
(cd "$work" && exec ./quillon) >"$work/quillon.log" 2>&1 &
app=$!
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillon$' | head -n1) || { cat "$work/quillon.log"; fail "no main window"; }

# The icon is handed over once the window has painted: wait for it, a few seconds at most.
for try in $(seq 50); do
    icons=$(xprop -id "$main" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    [ -n "$icons" ] && break
    sleep 0.1
done
for size in 16 32 48; do
    grep -q "Icon ($size x $size)" <<<"$icons" || fail "the main window has no ${size}×${size} icon (has: ${icons:-none})"
done
class=$(xprop -id "$main" WM_CLASS)
grep -q "\"$wm_class\"" <<<"$class" || fail "the menu entry's StartupWMClass=$wm_class does not match $class"
echo "PASS: icons $icons; $class"
