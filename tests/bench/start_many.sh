#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program many times on a private X server, as a player starts it, and keeps
# what a start that failed left behind: its output and its core file. Each start waits
# for the main window to map, lets it run up to half a second (the first activation
# reads the settings and fills the windows), and ends it. Run by hand, niced, not by CTest:
#   tests/bench/start_many.sh RUNS EXECUTABLE [--cups] [--server-resets]
# --cups runs a private print server with a PDF printer as the default printer
# (scripts/cups-pdf-setup, as root). --server-resets lets the X server reset each time
# its last client leaves, as Xvfb does by default. Failed starts are kept in
# ./start-failures.
set -uo pipefail
runs=${1:?runs}
exe=$(realpath "${2:?executable}")
shift 2
cups= noreset=-noreset
for option in "$@"; do
    case $option in
    --cups) cups=1 ;;
    --server-resets) noreset= ;;
    *) echo "unknown option $option" >&2; exit 2 ;;
    esac
done
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool missing" >&2; exit 1; }
done
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=$PWD/start-failures
mkdir -p "$failures"

source "$root/tests/support/private-x.sh"
trap '[ -n "$cups" ] && "$root/scripts/cups-pdf-setup" stop "$cupsdir" >/dev/null && rm -rf "$cupsdir"; cleanup' EXIT
start_private_x $noreset
# The settings file lands next to the program, in the work folder.
cp "$exe" "$work/quillon"
export CUPS_SERVER=$work/no-cups.sock
if [ -n "$cups" ]; then
    cupsdir=$(mktemp -d /tmp/quillon-cups.XXXXXX)
    chmod 0755 "$cupsdir"
    CUPS_SERVER=$("$root/scripts/cups-pdf-setup" start "$cupsdir") || exit 1
fi
# Sanitizer builds stop with a report on abort too.
export ASAN_OPTIONS=${ASAN_OPTIONS:-handle_abort=1:detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
ulimit -c unlimited

mapped=0 early=0 hung=0
cd "$work"
for run in $(seq "$runs"); do
    rm -f core core.*
    ./quillon >"$work/out" 2>&1 &
    app=$!
    shown=
    for _ in $(seq 600); do
        kill -0 "$app" 2>/dev/null || break
        if xdotool search --onlyvisible --name '^Quillon$' >/dev/null 2>&1; then
            shown=1
            break
        fi
        sleep 0.05
    done
    if [ -n "$shown" ]; then
        sleep "0.$((RANDOM % 5))"
        if kill -0 "$app" 2>/dev/null; then
            mapped=$((mapped + 1))
            kill "$app"
            wait "$app" 2>/dev/null
            app=
            continue
        fi
    fi
    if kill -0 "$app" 2>/dev/null; then
        hung=$((hung + 1))
        kill -ABRT "$app"
    else
        early=$((early + 1))
    fi
    wait "$app"
    status=$?
    app=
    keep=$failures/run-$run-status-$status
    mkdir -p "$keep"
    cp "$work/out" "$keep/output"
    mv core core.* "$keep/" 2>/dev/null
    echo "run $run: status $status, kept in $keep"
done
echo "$runs starts: $mapped ran normally, $early ended before their window, $hung never showed it"
