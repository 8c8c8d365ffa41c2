#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build folder, installs it into this machine with apt-get as
# a player would, starts the installed program as an ordinary user, checks that every file
# landed where the desktop looks for it and that "Aide" shows the installed help page, then
# removes the package and checks that nothing is left. It changes the machine, so it runs as
# root only: skipped (exit 77) for other users, except under CI, where that is a failure.
# Whatever happens, the package is removed again.
#   deb_install.sh BUILD_DIR VERSION
set -euo pipefail
build=$(realpath "$1")
version=$2

fail() { echo "FAIL: $*" >&2; exit 1; }
if [ "$(id -u)" -ne 0 ]; then
    [ -n "${CI:-}" ] && fail "CI runs the tests as root, this test needs it"
    echo "not root: skipped"
    exit 77
fi
for tool in cpack apt-get dpkg-deb dpkg-shlibdeps setpriv flock; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps)"
done

# Two build folders testing at once would install and remove the same package.
exec 9>/tmp/quillon-deb-install.lock
flock -w 240 9 || fail "another run of this test holds the lock"

installed() { dpkg-query -W -f='${Status}' quillon 2>/dev/null | grep -q 'install ok installed'; }
apt() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=120 "$@"; }

if installed; then
    # Only this test installs the package on a build machine: a copy left by an earlier run
    # that was killed goes; elsewhere it may be the player's own, so it is left alone.
    [ -n "${CI:-}" ] || { echo "quillon is installed on this machine: skipped"; exit 77; }
    echo "removing a quillon package left installed"
    apt purge quillon >/dev/null
fi

work=$(mktemp -d)
app= ours= xvfb=
cleanup() {
    set +e # every step runs, whatever failed before
    [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    [ -n "$ours" ] && installed && apt purge quillon >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

# The package, from what this build folder installs.
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$work/quillon_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work"; fail "no $(basename "$deb")"; }

# Its dependencies: those found from the linked libraries, and the two named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-liberation xdg-utils libqt6widgets6 libqt6printsupport6 libc6; do
    grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

# Debian's own checker finds no error in the package (warnings are not errors).
if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
    grep -q '^E: ' "$work/lintian.log" && { cat "$work/lintian.log"; fail "lintian reports errors"; }
else
    [ -n "${CI:-}" ] && fail "lintian is missing (scripts/install-deps)"
fi

ours=1
apt install --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install failed"; }
installed || fail "quillon is not installed after apt-get install"

# Where each file belongs.
expected=(
    /usr/lib/quillon/quillon
    /usr/lib/quillon/quillon.html
    /usr/lib/quillon/quillon_fr.qm
    /usr/lib/quillon/quillon_en.qm
    /usr/lib/quillon/quillon_hr.qm
    /usr/share/applications/io.github.quillon.Quillon.desktop
    /usr/share/metainfo/io.github.quillon.Quillon.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/quillon.svg
    /usr/share/doc/quillon/copyright
    /usr/share/doc/quillon/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/quillon.png")
done
for f in "${expected[@]}"; do
    [ -f "$f" ] || fail "$f is missing"
done
[ -x /usr/lib/quillon/quillon ] || fail "the program is not executable"
[ "$(command -v quillon)" = /usr/bin/quillon ] || fail "quillon is not on the PATH as /usr/bin/quillon"
[ "$(readlink -f /usr/bin/quillon)" = /usr/lib/quillon/quillon ] || fail "/usr/bin/quillon does not lead to /usr/lib/quillon/quillon"
grep -qx 'Exec=quillon' /usr/share/applications/io.github.quillon.Quillon.desktop || fail "the menu entry does not start quillon"

# The menu's command, as an ordinary user for whom the program folder is read-only, offscreen.
# It must still be running two seconds later, from the program folder the package made.
home=$work/home
mkdir -p "$home/runtime"
chown -R nobody "$home"
chmod 700 "$home/runtime"
chmod 755 "$work"
setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
    quillon >"$work/quillon.log" 2>&1 &
app=$!
sleep 2
kill -0 "$app" 2>/dev/null || { cat "$work/quillon.log"; app=; fail "quillon ended within two seconds"; }
[ "$(readlink /proc/$app/exe)" = /usr/lib/quillon/quillon ] || fail "the running program is $(readlink /proc/$app/exe)"
kill "$app"
wait "$app" 2>/dev/null || true
app=

# "Aide" on a private X server: the page the program asks the desktop to show must be the
# installed one, found next to the program although it was started through /usr/bin.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    mkdir "$work/bin"
    printf '#!/bin/sh\necho "$@" >>%s\n' "$home/opened" >"$work/bin/xdg-open"
    chmod 755 "$work/bin" "$work/bin/xdg-open"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    display=:$(head -n1 "$work/display")
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i PATH="$work/bin:/usr/bin:/bin" HOME="$home" XDG_RUNTIME_DIR="$home/runtime" DISPLAY="$display" \
        quillon >"$work/quillon.log" 2>&1 &
    app=$!
    main=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name '^Quillon$' | head -n1) \
        || { cat "$work/quillon.log"; fail "no main window on the X server"; }
    sleep 0.5
    DISPLAY=$display xdotool mousemove --window "$main" 641 28 click 1
    for _ in $(seq 50); do [ -s "$home/opened" ] && break; sleep 0.1; done
    [ "$(cat "$home/opened" 2>/dev/null)" = file:///usr/lib/quillon/quillon.html#fr ] \
        || fail "Aide opened '$(cat "$home/opened" 2>/dev/null)' instead of the installed help page"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
else
    echo "Xvfb or xdotool missing: the help page was not opened"
fi

apt purge quillon >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get purge failed"; }
ours=
installed && fail "quillon is still installed after apt-get purge"
for f in "${expected[@]}" /usr/bin/quillon /usr/lib/quillon; do
    [ -e "$f" ] || [ -L "$f" ] && fail "$f is left after removing the package"
done
echo "PASS: quillon_${version} built, installed, started and removed"
