#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of a program as a player starts it: from the exec of the command to the main
# window mapped on a private X server (no window manager, a session bus of its own as a
# desktop has), over several runs; prints each time and the median. With a second command
# (build/bench_empty_window, an empty Qt Widgets window), the two start in turn and the
# ratio of their medians is printed too. Run by hand, not by CTest:
#   tests/bench/startup_installed.sh [RUNS] [COMMAND] [BASELINE]   (defaults: 11, quillon from the PATH)
# A command may carry arguments, e.g. "build/bench_empty_window --line-edit" (a window
# holding one line edit, which loads the font database as any window showing text does).
# The map is learnt from the X server's events by build/time_to_map ($TIME_TO_MAP), which
# takes no processor time while the program starts.
set -euo pipefail
runs=${1:-11}
cmd=${2:-quillon}
baseline=${3:-}
timer=${TIME_TO_MAP:-$(dirname "$0")/../../build/time_to_map}
for tool in Xvfb "$timer" ${cmd%% *} ${baseline:+${baseline%% *}}; do
    command -v "$tool" >/dev/null || { echo "$tool missing" >&2; exit 1; }
done

source "$(dirname "$0")/../support/private-x.sh"

# -noreset: the server would otherwise reset, refusing connections, each time the program ends.
start_private_x -noreset
export HOME=$work

# Prints the milliseconds from the exec of $1 to its window mapped.
timeOnce() {
    # $1 unquoted: the command and its arguments.
    "$timer" Quillon $1 || exit 1
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
