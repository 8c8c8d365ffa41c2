#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmark of the generator: reruns the recorded command of each generated table (tools/wheels.tsv)
# and prints the wall time per system; the tables go to a scratch folder and are compared with the
# shipped ones.
# usage: tools/wheelgen-bench.sh BUILD_DIR [SYSTEM ...]      (default: every recorded system)
set -eu
build=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"
grep -v '^#' tools/wheels.tsv | while IFS="$(printf '\t')" read -r system reached seconds how command total; do
    if [ $# -gt 0 ]; then
        case " $* " in *" $system "*) ;; *) continue ;; esac
    fi
    name=$(printf '%03d' "$system")
    args=$(echo "$command" | sed -e 's/^wheelgen //' -e 's/ --out [^ ]*//' -e 's/--seconds [0-9.]*/--seconds 1200/')
    start=$(date +%s.%N)
    # shellcheck disable=SC2086
    "$build/wheelgen" $args --quiet --out "$work/$name.txt" 2>/dev/null || true
    end=$(date +%s.%N)
    same=$(cmp -s "$work/$name.txt" "src/core/wheels/tables/$name.txt" && echo same || echo DIFFERENT)
    printf '%3s  %-10s  %8.2f s  %s\n' "$system" "$how" "$(echo "$end - $start" | bc)" "$same"
done
