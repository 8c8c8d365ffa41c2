#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The system analysis window through a private X server, as a player's mouse and keyboard
# reach it: opened from the main window's button, another lottery typed in, the figures
# saved as CSV and read back; then a wheel file with a fault opened, which must bring up
# the message and load nothing (the figures saved again are the same).
#   x11_analysis.sh QUILLON_EXECUTABLE
# Exits 77 (skipped) where Xvfb or xdotool is missing.
set -euo pipefail
exe=$(realpath "$1")
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }

source "$(dirname "$0")/../support/private-x.sh"

copy_program "$exe"
# English (language 2); the first system of the list is 3 numbers if 7 among 21 in 3 boards.
printf '\0\0\0\0\2\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >"$work/QUILLON.PAR"
printf '1,2,3,4,5,6,7,\r\n8,9,10,11,12,13,\r\n' >"$work/bad.txt"
start_private_x
export CUPS_SERVER=$work/no-cups.sock

cd "$work"
./quillon &
app=$!
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillon$' | head -n1) || fail "no main window"
sleep 1

before=$(visibleWindows)
xdotool mousemove --window "$main" 97 367 click 1
analysis=$(openedWindow "$before")
[ -n "$analysis" ] || fail "the analysis window did not open"
[ "$(xdotool getwindowname "$analysis")" = "System analysis" ] || fail "not the analysis window"
sleep 1

# Clicks at a point of the analysis window's client area.
clickAt() { xdotool mousemove --window "$analysis" "$1" "$2" click 1; sleep 0.3; }
# Types a path into the file dialog that the click at (x, y) opens.
fileDialog() {
    local before dialog
    before=$(visibleWindows)
    clickAt "$1" "$2"
    dialog=$(openedWindow "$before")
    [ -n "$dialog" ] || fail "no file dialog"
    sleep 0.5
    xdotool windowfocus --sync "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$3"
    xdotool key Return
    sleep 0.5
}
saveFigures() {
    fileDialog 560 600 "$work/$1"
    for _ in $(seq 50); do [ -s "$work/$1" ] && break; sleep 0.1; done
    [ -s "$work/$1" ] || fail "no figures written to $1"
}

# Another lottery, 7 of 40: the last entry of the list, then its box.
clickAt 156 134
xdotool key End Return
sleep 0.3
xdotool key Tab ctrl+a
xdotool type --delay 50 -- "40"
xdotool key Tab
sleep 0.3
saveFigures figures.csv
grep -qx 'coverage,7,7,2.57997936017e-05' figures.csv || fail "no share of 3 in 116280 for 7 drawn: $(head -c 300 figures.csv)"
grep -q '^chance,40,7,' figures.csv || fail "the lottery 7 of 40 is not in the figures"
grep -q '^chance,49,3,' figures.csv || fail "the lottery 7 of 49 is not in the figures"

# A wheel file with six numbers on line 2: the message names the line, nothing is loaded.
before=$(visibleWindows)
fileDialog 738 56 "$work/bad.txt"
message=$(openedWindow "$before")
[ -n "$message" ] || fail "no message for the faulty wheel file"
[ "$(xdotool getwindowname "$message")" = "This wheel cannot be read" ] || fail "unexpected window $(xdotool getwindowname "$message")"
xdotool windowfocus --sync "$message" key Return
sleep 0.5
saveFigures again.csv
cmp -s figures.csv again.csv || fail "the faulty file changed the figures"
echo "analysis window: figures saved, faulty wheel refused"
