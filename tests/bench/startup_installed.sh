#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of a program as a player starts it: from the exec of the command to the main
# window mapped on a private X server (no window manager), over several runs; prints each
# time and the median. With a second command (build/bench_empty_window, an empty Qt Widgets
# window), the two start in turn and the ratio of their medians is printed too. Run by hand,
# not by CTest:
#   tests/bench/startup_installed.sh [RUNS] [COMMAND] [BASELINE]   (defaults: 11, quillon from the PATH)
# A command may carry arguments, e.g. "build/bench_empty_window --line-edit" (a window
# holding one line edit, which loads the font database as any window showing text does).
# The window is looked for in a tight loop of xdotool calls, a few milliseconds each.
set -euo pipefail
runs=${1:-11}
cmd=${2:-quillon}
baseline=${3:-}
for tool in Xvfb xdotool ${cmd%% *} ${baseline:+${baseline%% *}}; do
    command -v "$tool" >/dev/null || { echo "$tool missing" >&2; exit 1; }
done

source "$(dirname "$0")/../support/private-x.sh"

# -noreset: the server would otherwise reset, refusing connections, each time the program ends.
start_private_x -noreset
export HOME=$work

# Prints the milliseconds from the exec of $1 to its window mapped.
timeOnce() {
    local start end
    start=$(date +%s%N)
    $1 >/dev/null 2>&1 &
    app=$!
    until xdotool search --onlyvisible --name '^Quillon$' >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || { echo "the program ended before its window appeared" >&2; exit 1; }
    done
    end=$(date +%s%N)
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    echo $(( (end - start) / 1000000 ))
}
median() { local sorted=($(printf '%s\n' "$@" | sort -n)); echo "${sorted[$(( $# / 2 ))]}"; }

times=() baseTimes=()
for run in $(seq "$runs"); do
    ms=$(timeOnce "$cmd")
    times+=("$ms")
    if [ -n "$baseline" ]; then
        base=$(timeOnce "$baseline")
        baseTimes+=("$base")
        echo "run $run: $ms ms, baseline $base ms"
    else
        echo "run $run: $ms ms"
    fi
done
echo "median of $runs: $(median "${times[@]}") ms"
if [ -n "$baseline" ]; then
    echo "baseline median: $(median "${baseTimes[@]}") ms"
    awk -v a="$(median "${times[@]}")" -v b="$(median "${baseTimes[@]}")" 'BEGIN { printf "ratio: %.2f\n", a / b }'
fi
