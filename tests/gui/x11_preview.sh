#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the ticket preview of the real program through a private X server, as a player
# does ("Imprimer les tickets", then the preview button), at scale factors 1 and 2, and
# looks at its first paint, before anything resizes or zooms it: the window lies on the
# screen, and the slip (white) fills a good part of it instead of a dot (fitted, the
# sheet's printed part, tall and narrow, covers about a fifth of the window).
#   x11_preview.sh QUILLON_EXECUTABLE
# Exits 77 (skipped) where Xvfb, xdotool or ImageMagick is missing.
set -euo pipefail
exe=$(realpath "$1")
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "$tool missing"; exit 77; }
done

source "$(dirname "$0")/../support/private-x.sh"
cp "$exe" "$work/quillon"
cd "$work"
# No print server: the preview then stands for a 300-dpi A4 printer.
export CUPS_SERVER=$work/no-cups.sock

# previewAt SCALE SCREEN: the preview's first paint at that scale factor on a screen of
# that size (width×height).
previewAt() {
    local scale=$1 screen=$2
    PRIVATE_X_SCREEN=${screen}x24 start_private_x
    QT_SCALE_FACTOR=$scale ./quillon &
    app=$!
    local main
    main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillon$' | head -n1) || fail "no main window"
    sleep 1
    local before dialog preview
    before=$(visibleWindows)
    # "Imprimer les tickets", then the preview button of the ticket dialog.
    xdotool mousemove --window "$main" $((256 * scale)) $((310 * scale)) click 1
    dialog=$(openedWindow "$before")
    [ -n "$dialog" ] || fail "the ticket dialog did not open at scale $scale"
    sleep 0.5
    before=$(visibleWindows)
    xdotool mousemove --window "$dialog" $((67 * scale)) $((184 * scale)) click 1
    preview=$(openedWindow "$before")
    [ -n "$preview" ] || fail "the preview did not open at scale $scale"
    sleep 1

    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$preview")"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "${screen%x*}" ] \
        && [ $((Y + HEIGHT)) -le "${screen#*x}" ] \
        || fail "at scale $scale the preview (${WIDTH}×${HEIGHT} at $X,$Y) runs off the ${screen} screen"
    import -window "$preview" "$work/preview-$scale.png"
    local white
    white=$(convert "$work/preview-$scale.png" -fill black +opaque white -format '%[fx:int(100 * mean)]' info:)
    [ "$white" -ge 10 ] || fail "at scale $scale the slip covers $white% of the preview when it opens"
    echo "scale $scale: the preview is ${WIDTH}×${HEIGHT}, the slip covers $white% of it"

    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
    xvfb=
    rm -rf "$XDG_RUNTIME_DIR"
}

previewAt 1 1024x768
previewAt 2 1600x1000
echo "PASS: the preview opens on the screen with the slip fitted into it"
