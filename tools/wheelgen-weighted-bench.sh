#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmark of the two search modes of wheelgen from a fresh (seeded greedy) start: for each system,
# five seeds with annealing and five with the weighted search, each run limited to CAP seconds.
# Prints every run (CPU seconds to cover, or "-" when the limit came first, and moves per CPU second)
# and, per system and mode, the median CPU time to cover over the five seeds (">CAP" when three or
# more runs did not cover) and the median moves per second. A move is one proposed swap in annealing
# and one examined K-set with all its swaps in the weighted search.
# A system given as SYSTEM:B is searched with B boards instead of G (--boards B). MODES in the
# environment picks the modes (default "anneal weighted").
# usage: tools/wheelgen-weighted-bench.sh BUILD_DIR CAP [SYSTEM[:B] ...]      (default systems: 11 77 119)
set -eu
build=$1
cap=$2
shift 2
[ $# -gt 0 ] || set -- 11 77 119
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for arg in "$@"; do
    system=${arg%%:*}
    boards=""
    [ "$arg" = "$system" ] || boards="--boards ${arg#*:}"
    for mode in ${MODES:-anneal weighted}; do
        flag=$boards
        [ "$mode" = weighted ] && flag="$flag --weighted"
        : > "$work/runs"
        for seed in 1 2 3 4 5; do
            # shellcheck disable=SC2086
            "$build/wheelgen" "$system" --seed "$seed" --seconds "$cap" --quiet $flag --out "$work/t.txt" \
                > "$work/out" 2>&1 || true
            # SOLVED ... N moves, ... cpu C s   |   UNSOLVED ... cpu C moves N
            awk -v cap="$cap" '
                /^SOLVED/ { for (i = 1; i <= NF; ++i) { if ($i == "moves,") m = $(i - 1); if ($i == "cpu") c = $(i + 1) }
                            printf "%s %s %.0f\n", c, c, m / (c > 0 ? c : 1e-3) }
                /^UNSOLVED/ { for (i = 1; i <= NF; ++i) { if ($i == "moves") m = $(i + 1); if ($i == "cpu") c = $(i + 1) }
                              printf "- %s %.0f\n", c, m / (c > 0 ? c : 1e-3) }' "$work/out" > "$work/run"
            read -r covered cpu rate < "$work/run"
            printf '%6s  %-8s seed %s  cover %8s s  cpu %7s s  %10s moves/s\n' "$arg" "$mode" "$seed" "$covered" "$cpu" "$rate"
            echo "$covered $rate" >> "$work/runs"
        done
        # Median of five: the third value; runs that did not cover sort last.
        median=$(awk '{ print ($1 == "-" ? 1e18 : $1) }' "$work/runs" | sort -g | sed -n 3p)
        rate=$(awk '{ print $2 }' "$work/runs" | sort -g | sed -n 3p)
        [ "$median" = 1e+18 ] || [ "$median" = 1e18 ] && median=">$cap"
        printf '%6s  %-8s median cover %s s, median %s moves/s\n' "$arg" "$mode" "$median" "$rate"
    done
done
