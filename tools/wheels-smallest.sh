#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Looks for the smallest table of each given system: a minimising run of wheelgen from the catalogue's
# table (drop the weakest board, cover again within MOVES moves, until an attempt fails or SECONDS
# run out), written to src/core/wheels/tables/smallest/NNN.txt. Prints one row per system for
# tools/wheels-fewest.tsv: system, boards, seconds, how, and the command that reproduces the table
# (with --down-to set to the boards reached: the run goes the same way and stops there, whatever the
# time limit; the CTest test wheelgen_reproduces_smallest reruns a few of them).
# usage: tools/wheels-smallest.sh BUILD_DIR MOVES SECONDS SYSTEM ...
set -eu
build=$1
moves=$2
seconds=$3
shift 3
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mkdir -p src/core/wheels/tables/smallest
for system in "$@"; do
    name=$(printf '%03d' "$system")
    out=src/core/wheels/tables/smallest/$name.txt
    args="$system --resume src/core/wheels/tables/$name.txt --minimise $moves --seconds $seconds"
    start=$(date +%s.%N)
    # shellcheck disable=SC2086
    "$build/wheelgen" $args --quiet --out "$out.new" 2> "$out.log" || { echo "$system: failed, see $out.log" >&2; continue; }
    end=$(date +%s.%N)
    boards=$(wc -l < "$out.new")
    mv "$out.new" "$out"
    rm -f "$out.log"
    printf '%s\t%s\t%.0f\tminimised from the catalogue table\twheelgen %s --down-to %s --out %s\n' \
        "$system" "$boards" "$(echo "$end - $start" | bc)" "$args" "$boards" "$out"
done
