#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The smallest table in play, through a private X server as a player reaches it: a saved
# game of system 13 (6 numbers if 7 among 10, 10 boards; its smallest table has 8) is
# loaded and saved again byte for byte, the analysis window's "Play the smallest table" is
# pressed, the game is saved (byte 24 of the file is then 1), the program is started anew,
# the game loaded again, and the board list must say in its title that the smallest table
# is in play.
#   x11_smallest_table.sh QUILLON_EXECUTABLE
# Exits 77 (skipped) where Xvfb or xdotool is missing.
set -euo pipefail
exe=$(realpath "$1")
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }
source "$(dirname "$0")/../support/private-x.sh"
copy_program "$exe"
# English (language 2).
printf '\0\0\0\0\2\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >"$work/QUILLON.PAR"
# A game of system 13 on the numbers 3, 7, 11 … 39: signature, format 1, system 13, pool 10.
python3 - "$work/catalogue.qz" <<'PY'
import struct, sys
record = bytearray(228)
record[0:3] = b'\x02QL'
struct.pack_into('<iiiii', record, 4, 1, 13, 0, 10, 0)
record[24] = 7  # not the smallest table's mark: read as the catalogue's, and kept
for k, n in enumerate(range(3, 41, 4)):
    struct.pack_into('<i', record, 28 + 4 * k, n)
open(sys.argv[1], 'wb').write(record)
PY
start_private_x
export CUPS_SERVER=$work/no-cups.sock
cd "$work"

startProgram() {
    ./quillon &
    app=$!
    main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillon$' | head -n1) || fail "no main window"
    sleep 1
}
# Clicks at (x, y) of window $1 and waits for the window it opens; prints its id.
clickOpening() {
    local before
    before=$(visibleWindows)
    xdotool mousemove --window "$1" "$2" "$3" click 1
    openedWindow "$before"
}
# Clicks at (x, y) of the main window and types a path into the file dialog it opens.
fileDialog() {
    local dialog
    dialog=$(clickOpening "$main" "$1" "$2")
    [ -n "$dialog" ] || fail "no file dialog"
    sleep 0.5
    xdotool windowfocus --sync "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$3"
    xdotool key Return
    sleep 1
}
byteAt() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }

startProgram
fileDialog 211 91 "$work/catalogue.qz"
# Saved again with the catalogue's table, the game keeps its bytes.
fileDialog 75 91 "$work/again.qz"
cmp -s catalogue.qz again.qz || fail "the game saved with the catalogue's table differs from the one loaded"
analysis=$(clickOpening "$main" 97 367)
[ "$(xdotool getwindowname "$analysis" 2>/dev/null)" = "System analysis" ] || fail "the analysis window did not open"
sleep 2
xdotool mousemove --window "$analysis" 715 135 click 1
sleep 0.5
xdotool windowfocus --sync "$analysis" key Escape
sleep 0.5
fileDialog 75 91 "$work/smallest.qz"
[ -s smallest.qz ] || fail "the game was not saved"
[ "$(byteAt smallest.qz 8)" = 13 ] || fail "the saved game is not of system 13"
[ "$(byteAt smallest.qz 24)" = 1 ] || fail "byte 24 of the saved game is $(byteAt smallest.qz 24), not 1"
kill "$app"; wait "$app" 2>/dev/null || true

startProgram
fileDialog 211 91 "$work/smallest.qz"
list=$(clickOpening "$main" 97 310)
[ -n "$list" ] || fail "the board list did not open"
title=$(xdotool getwindowname "$list")
[[ $title == *"smallest table"* ]] || fail "the board list's title does not say the smallest table is in play: $title"
echo "smallest table played, saved, loaded and listed: $title"
