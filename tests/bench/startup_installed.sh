#!/usr/bin/env bash
# Start-up time of a program as a player starts it: from the exec of the command to the main
# window mapped on a private X server (no window manager), over several runs; prints each
# time and the median. Run by hand, not by CTest:
#   tests/bench/startup_installed.sh [RUNS] [COMMAND]     (defaults: 11, quillon from the PATH)
# The window is looked for in a tight loop of xdotool calls, a few milliseconds each.
set -euo pipefail
runs=${1:-11}
cmd=${2:-quillon}
for tool in Xvfb xdotool "$cmd"; do
    command -v "$tool" >/dev/null || { echo "$tool missing" >&2; exit 1; }
done

source "$(dirname "$0")/../support/private-x.sh"

# -noreset: the server would otherwise reset, refusing connections, each time the program ends.
start_private_x -noreset
export HOME=$work

times=()
for run in $(seq "$runs"); do
    start=$(date +%s%N)
    "$cmd" >/dev/null 2>&1 &
    app=$!
    until xdotool search --onlyvisible --name '^Quillon$' >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || { echo "the program ended before its window appeared" >&2; exit 1; }
    done
    end=$(date +%s%N)
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    ms=$(( (end - start) / 1000000 ))
    times+=("$ms")
    echo "run $run: $ms ms"
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "median of $runs: ${sorted[$(( runs / 2 ))]} ms"
