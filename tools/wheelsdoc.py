#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes docs/wheels.md from tools/wheels.tsv (one row per system, written by the search runs)."""
import math
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def catalogue():
    # Rows of src/core/wheels/catalogue.cpp: {G, M, board size, key numbers, N, K}, // index
    text = open(os.path.join(ROOT, 'src', 'core', 'wheels', 'catalogue.cpp')).read()
    rows = re.findall(r'\{(\d+), (\d+), 7, 0, (\d+), (\d+)\}, // (\d+)', text)
    return {int(i): (int(n), int(k), int(m), int(g)) for g, m, n, k, i in rows}


def schonheim(m, t):
    # Schönheim bound for covering every t-subset of m points with blocks of 7.
    b = 1
    for i in range(t - 1, -1, -1):
        b = math.ceil(b * (m - i) / (7 - i))
    return b


def counting(n, k, m):
    # Each board meets at most sum_{t>=n} C(7,t) C(m-7,k-t) K-sets in n or more positions.
    per = sum(math.comb(7, t) * math.comb(m - 7, k - t) for t in range(n, min(7, k) + 1))
    return math.ceil(math.comb(m, k) / per)


# Published upper bounds on C(M, 7, N) for systems with N = K, with their source.
RECORDS = {
    10: 'C(16,7,4) ≤ 76 (La Jolla)',
}


def bound(n, k, m):
    if n == k:
        return schonheim(m, k), 'Schönheim'
    return counting(n, k, m), 'counting'


def main():
    cat = catalogue()
    rows = {}
    path = os.path.join(ROOT, 'tools', 'wheels.tsv')
    for line in open(path):
        if line.startswith('#') or not line.strip():
            continue
        f = line.rstrip('\n').split('\t')
        rows[int(f[0])] = f
    fewest = {}
    path = os.path.join(ROOT, 'tools', 'wheels-fewest.tsv')
    if os.path.exists(path):
        for line in open(path):
            if line.startswith('#') or not line.strip():
                continue
            f = line.rstrip('\n').split('\t')
            fewest[int(f[0])] = f
    out = []
    out.append('# Wheel tables\n')
    out.append('`src/core/wheels/tables/NNN.txt` holds the table of catalogue system NNN: exactly G lines, each the 7 '
               'position letters of one board in ascending order (A = 1 … Z = 26, `[ \\ ] ^` = 27 … 30). '
               'Every table is proven by `wheelcheck`, which examines every K-subset of 1 … M, and again by its '
               '`--direct` check, which compares every K-subset with every board '
               '(CTest test `wheel_tables`; by hand, from the source folder: `scripts/build build && '
               'build/wheelcheck --dir src/core/wheels/tables --direct`). Tables 1 to 8 were given; 9 to 124 come '
               'from `wheelgen`. '
               '`src/core/wheels/tables/smallest/NNN.txt` holds the smallest table found for each system, same '
               'format and guarantee, at most G boards (CTest test `wheel_tables_smallest`); it is not compiled into '
               'the program.\n')
    out.append('## Catalogue tables\n')
    out.append('Columns: the system as N-K-M-G (N numbers if K among M in G boards); a lower bound on the '
               'number of boards (Schönheim bound when N = K, counting bound otherwise); the fewest boards '
               'the search reached before padding to G; the search time of the recorded run (one core, '
               'niced, on a shared 2-core machine); the command that reproduces the table '
               '(`wheelgen S --out src/core/wheels/tables/NNN.txt` plus the options shown). '
               'A `--resume` file lies in `tools/wheelstate/` and was itself written by an earlier run.\n')
    out.append('| # | N-K-M-G | lower bound | reached | time (s) | all runs (s) | how | command |')
    out.append('|---|---|---|---|---|---|---|---|')
    for s in range(1, 125):
        n, k, m, g = cat[s]
        lb, kind = bound(n, k, m)
        if s <= 8:
            out.append(f'| {s} | {n}-{k}-{m}-{g} | {lb} ({kind}) | – | – | – | given | – |')
            continue
        f = rows.get(s)
        if not f:
            out.append(f'| {s} | {n}-{k}-{m}-{g} | {lb} ({kind}) | – | – | – | **no table** | see below |')
            continue
        _, reached, secs, how, cmd, total = f[:6]
        out.append(f'| {s} | {n}-{k}-{m}-{g} | {lb} ({kind}) | {reached} | {secs} | {total} | {how} | `{cmd}` |')
    out.append('')
    out.append('## Smallest tables\n')
    out.append('Per system: G; the smallest table found (`tables/smallest/NNN.txt`); the lower bound as above; '
               'the published record where one is known to us (source below); the saving of the smallest table '
               'against G, in boards and per cent; the seconds of the run (wall clock, niced, shared machine); '
               'the command that reproduces the table. Where the smallest equals G, no board could be dropped '
               'within the recorded run, or (how = "catalogue table, not searched") no run was made and the '
               'catalogue\'s table stands as it is.\n')
    out.append('Published record: the La Jolla Covering Repository (D. Gordon, ccrwest.org/cover.html) lists '
               'upper bounds on C(v, k, t), the fewest k-sets covering all t-sets of v points; for N = K a '
               'system M-7-N is such a covering. Only the figures named here are quoted; the others were not '
               'checked against a source, so the column leaves them blank.\n')
    out.append('| # | N-K-M-G | G | smallest | lower bound | published record | saving | saving % | seconds | how | command |')
    out.append('|---|---|---|---|---|---|---|---|---|---|---|')
    total_saved = 0
    for s in range(1, 125):
        n, k, m, g = cat[s]
        lb, kind = bound(n, k, m)
        rec = RECORDS.get(s, '–')
        f = fewest.get(s)
        if not f:
            out.append(f'| {s} | {n}-{k}-{m}-{g} | {g} | – | {lb} ({kind}) | {rec} | – | – | – | **no table** | – |')
            continue
        _, few, secs, how, cmd = f[:5]
        saved = g - int(few)
        total_saved += saved
        cmdtext = f'`{cmd}`' if cmd.startswith('wheelgen') else cmd
        out.append(f'| {s} | {n}-{k}-{m}-{g} | {g} | {few} | {lb} ({kind}) | {rec} | {saved} | {100 * saved / g:.1f} | {secs} | '
                   f'{how} | {cmdtext} |')
    out.append('')
    out.append(f'In all, the smallest tables hold {total_saved} boards fewer than the catalogue\'s.')
    for extra in ('wheels-notes.md',):
        path = os.path.join(ROOT, 'tools', extra)
        if os.path.exists(path):
            out.append('')
            out.append(open(path).read().rstrip('\n'))
    open(os.path.join(ROOT, 'docs', 'wheels.md'), 'w').write('\n'.join(out) + '\n')


if __name__ == '__main__':
    sys.exit(main())
