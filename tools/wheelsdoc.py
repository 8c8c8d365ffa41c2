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
               'Every table is proven by `wheelcheck`, which examines every K-subset of 1 … M '
               '(CTest test `wheel_tables`). Tables 1 to 8 were given; 9 to 124 come from `wheelgen`.\n')
    out.append('Columns: the system as N-K-M-G (N numbers if K among M in G boards); a lower bound on the '
               'number of boards (Schönheim bound when N = K, counting bound otherwise); the fewest boards '
               'the search reached before padding to G; the fewest boards a minimising run reached '
               '(`--minimise`, listed below the table; – where none was run); the search time of the recorded run (one core, '
               'niced, on a shared 2-core machine); the command that reproduces the table '
               '(`wheelgen S --out src/core/wheels/tables/NNN.txt` plus the options shown). '
               'A `--resume` file lies in `tools/wheelstate/` and was itself written by an earlier run.\n')
    out.append('| # | N-K-M-G | lower bound | reached | fewest | time (s) | all runs (s) | how | command |')
    out.append('|---|---|---|---|---|---|---|---|---|')
    for s in range(1, 125):
        n, k, m, g = cat[s]
        lb, kind = bound(n, k, m)
        if s <= 8:
            few = fewest[s][1] if s in fewest else '–'
            out.append(f'| {s} | {n}-{k}-{m}-{g} | {lb} ({kind}) | – | {few} | – | – | given | – |')
            continue
        f = rows.get(s)
        if not f:
            out.append(f'| {s} | {n}-{k}-{m}-{g} | {lb} ({kind}) | – | – | – | – | **no table** | see below |')
            continue
        _, reached, secs, how, cmd, total = f[:6]
        few = fewest[s][1] if s in fewest else '–'
        out.append(f'| {s} | {n}-{k}-{m}-{g} | {lb} ({kind}) | {reached} | {few} | {secs} | {total} | {how} | `{cmd}` |')
    if fewest:
        out.append('')
        out.append('### Fewest boards')
        out.append('')
        out.append('Minimising runs: after covering, `wheelgen --minimise` drops the board whose loss uncovers '
                   'the fewest K-sets and covers again within the given number of moves, until an attempt '
                   'fails or the time runs out. Rows whose command has `--boards B` are searches with B boards '
                   'that covered (74 is the covering kept as `tools/wheelstate/074-24.txt`; 76 and 77 came '
                   'with the work on system 91). The shipped tables stay at G boards; this column tells where '
                   'the catalogue\'s G is far from necessary. Where the fewest equals G, not one board could be '
                   'dropped within the move budget (the tables that took long searches at G). Systems without a '
                   'row were not run. Seconds are wall-clock seconds of one niced process on the shared 2-core '
                   f'machine ({sum(int(f[2]) for f in fewest.values())} s in all).')
        out.append('')
        out.append('| # | N-K-M-G | lower bound | fewest | G − fewest | seconds | command |')
        out.append('|---|---|---|---|---|---|---|')
        for s in sorted(fewest):
            n, k, m, g = cat[s]
            lb, kind = bound(n, k, m)
            _, few, secs, cmd = fewest[s][:4]
            out.append(f'| {s} | {n}-{k}-{m}-{g} | {lb} | {few} | {g - int(few)} | {secs} | `{cmd}` |')
    for extra in ('wheels-notes.md', 'wheels-unsolved.md'):
        path = os.path.join(ROOT, 'tools', extra)
        if os.path.exists(path):
            out.append('')
            out.append(open(path).read().rstrip('\n'))
    open(os.path.join(ROOT, 'docs', 'wheels.md'), 'w').write('\n'.join(out) + '\n')


if __name__ == '__main__':
    sys.exit(main())
