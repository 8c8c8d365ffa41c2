#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program through a private X server, as a player's keyboard and mouse
# do: typing into the number boxes, turning the mouse wheel over controls that do not
# have the focus, pressing Return and F1, choosing a language, then exporting the boards
# and quitting. The files the program writes must hold exactly what was typed.
#   player_typing.sh QUILLON_EXECUTABLE
# Exits 77 (skipped) where Xvfb or xdotool is missing.
set -euo pipefail
exe=$(realpath "$1")
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }

source "$(dirname "$0")/../support/private-x.sh"

copy_program "$exe"
start_private_x
# No print server: a stray print command shows up as an error box, not as paper.
export CUPS_SERVER=$work/no-cups.sock
# A stand-in for the desktop's viewer notes each page it is asked to open.
mkdir "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
# The program speaks French there: the page opens at its French section.
helpOpened() { grep -c 'quillon.html#fr$' "$work/opened" 2>/dev/null || true; }

cd "$work"
./quillon &
app=$!
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillon$' | head -n1) || fail "no main window"
sleep 1

# Clicks at a point of the main window's client area.
clickAt() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.2; }
# Empties a number box (its line edit is the left part of the box) and types into it.
typeIntoBox() {
    clickAt "$1" 194
    xdotool key End BackSpace BackSpace
    xdotool type --delay 50 -- "$2"
    sleep 0.2
}
# Runs "Générer un fichier" and types the file name into the save dialog.
exportTo() {
    local before
    before=$(visibleWindows)
    clickAt 415 310
    local dialog
    dialog=$(openedWindow "$before")
    [ -n "$dialog" ] || fail "the save dialog did not open"
    sleep 0.5
    xdotool windowfocus --sync "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 30 -- "$1"
    xdotool key Return
    for _ in $(seq 50); do [ -s "$work/$1" ] && break; sleep 0.1; done
    [ -s "$work/$1" ] || fail "no export written to $1"
    sleep 0.3
}

# Boxes c1, c2, c3 sit in the first row of the number group (x = 8 + box left + 15).
typeIntoBox 39 "4x4"
typeIntoBox 102 "-5"
typeIntoBox 165 "33"
exportTo first.txt

# The wheel over the third box and over the system list, with the focus in the fourth
# box, changes nothing; neither does Return.
typeIntoBox 228 "1"
for at in "165 194" "329 146"; do
    xdotool mousemove --window "$main" $at click --repeat 3 5 click 4
    sleep 0.2
done
xdotool key Return
sleep 0.5
exportTo second.txt

# Every number in the export is one the player typed or a box's start value 1.
numbers=$(tr -d '\r' <"$work/first.txt" | tr ',' '\n' | grep . | sort -n -u | tr '\n' ' ')
[ "$numbers" = "1 5 33 44 " ] || fail "the export holds the numbers '$numbers', expected '1 5 33 44 '"
cmp -s "$work/first.txt" "$work/second.txt" || fail "the wheel or Return changed the numbers or the system"

# "Voir les grilles", then Return in the board list: nothing is printed.
before=$(visibleWindows)
clickAt 97 310
sleep 1
opened=$(comm -13 <(echo "$before") <(visibleWindows))
[ "$(echo "$opened" | grep -c .)" = 1 ] || fail "the board list did not open alone"
xdotool key Return
sleep 1
[ "$(comm -13 <(echo "$before") <(visibleWindows) | grep -c .)" = 1 ] || fail "Return in the board list started a command"
# F1 opens the help page from the board list, then from the main window.
xdotool key F1
for _ in $(seq 30); do [ "$(helpOpened)" = 1 ] && break; sleep 0.1; done
[ "$(helpOpened)" = 1 ] || fail "F1 in the board list opened no help page"
xdotool key Escape
sleep 0.5
xdotool key F1
for _ in $(seq 30); do [ "$(helpOpened)" = 2 ] && break; sleep 0.1; done
[ "$(helpOpened)" = 2 ] || fail "F1 in the main window opened no help page"
sleep 0.5

# "Parametres": English picked in the language list with the keyboard, then OK (Return);
# opened again, the dialog speaks English.
before=$(visibleWindows)
clickAt 133 28
settings=$(openedWindow "$before")
[ -n "$settings" ] || fail "the settings dialog did not open"
sleep 0.5
[ "$(xdotool getwindowname "$settings")" = Parametres ] || fail "the settings dialog is not in French"
xdotool mousemove --window "$settings" 100 169 click 1
sleep 0.5
xdotool key Down Return
sleep 0.3
xdotool key Return
for _ in $(seq 30); do [ -z "$(comm -13 <(echo "$before") <(visibleWindows))" ] && break; sleep 0.1; done
[ -z "$(comm -13 <(echo "$before") <(visibleWindows))" ] || fail "OK did not close the settings dialog"
sleep 0.5
clickAt 133 28
settings=$(openedWindow "$before")
[ -n "$settings" ] || fail "the settings dialog did not open again"
sleep 0.5
[ "$(xdotool getwindowname "$settings")" = Parameters ] || fail "the language choice did not take: '$(xdotool getwindowname "$settings")'"
xdotool key Escape
sleep 0.5

# "Quitter" writes the settings file next to the program and ends it.
clickAt 593 368
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not quit"
app=
[ "$(stat -c %s "$work/QUILLON.PAR")" = 32 ] || fail "QUILLON.PAR was not written"
[ "$(od -An -tu4 -j4 -N4 "$work/QUILLON.PAR" | tr -d ' ')" = 2 ] || fail "QUILLON.PAR does not hold English (2)"
echo "PASS: typing, wheel, Return, F1 and the language choice through the X server"
