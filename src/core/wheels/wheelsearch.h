// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The covering search behind the wheel tables: boards of 7 positions out of 1 ... M such that every
// K-subset of positions meets some board in at least N positions. It starts from given boards (a table
// with holes to fill, or one to shrink), from coverings of groups, from the orbits of a cyclic group or
// from a greedy table, and searches by simulated annealing or by a clause-weighting local search. The
// same request and seed always give the same boards; the stop callback only decides when to give up,
// so a window can run the search on a worker thread and cancel it.

#include <QList>
#include <QtGlobal>
#include <functional>

namespace quillon {

// A board as a set of positions: bit p - 1 stands for position p (1 ... 30).
using BoardMask = quint32;

struct SearchRequest {
    int guarantee = 0; // N
    int condition = 0; // K
    int poolSize = 0; // M
    int boards = 0; // the number of boards searched with
    int padTo = 0; // a covering is brought up to this many distinct boards (0: as it is)
    quint64 seed = 1;

    // Start: these boards when given (the weakest dropped beyond `boards`, missing ones added greedily);
    // otherwise the union of N-if-N coverings of consecutive groups of these sizes (valid when
    // K > (N - 1) x groups); otherwise the orbits of `orbitBase` base boards under the cyclic group of
    // order `orbit` turning `orbitCycles` cycles of positions; otherwise a greedy table.
    QList<BoardMask> startBoards;
    QList<int> groups;
    int orbit = 0, orbitCycles = 0, orbitBase = 0;
    qint64 orbitMoves = 200000;
    double orbitT0 = 30, orbitTmin = 3, orbitCool = 0.999; // the orbit search's schedule, applied every move

    // Annealing: geometric cooling from t0 by `cool` every `steps` moves, reheated below tmin; a fresh
    // greedy table after `restart` moves without progress (0: never); `exhaustive` tries every swap for
    // the chosen K-set; a share `walk` of the moves swaps a random board toward it.
    double t0 = 0.6, tmin = 0.02, cool = 0.999, walk = 0;
    qint64 steps = 100, restart = 0;
    bool exhaustive = false;

    // The weighted search instead of annealing: a point just added to a board stays there `tabu` steps;
    // every `smooth` weight rises all weights above 1 go down by one (0: never).
    bool weighted = false;
    qint64 tabu = 1, smooth = 0;

    // After covering, drop the weakest board and cover again within `minimiseMoves` moves, again and
    // again down to `downTo` boards (0 moves: no minimising).
    qint64 minimiseMoves = 0;
    int downTo = 1;
};

struct SearchProgress {
    enum class Stage { Start, OrbitSearch, Searching, Covered };
    Stage stage = Stage::Start;
    qsizetype uncovered = 0; // K-sets left uncovered now
    qsizetype best = 0; // the fewest left uncovered so far in this stage
    qsizetype boards = 0; // boards (base boards in the orbit search)
    qint64 moves = 0; // annealing moves or weighted steps so far
    qint64 stalls = 0; // weighted search: weight rises
    qint64 restarts = 0; // annealing: fresh starts
    double temperature = 0; // annealing and orbit search
};

struct WheelSearchResult {
    bool covered = false; // every K-set is covered
    bool stopped = false; // the stop callback ended the search
    QList<BoardMask> boards; // covered: the table in letter order, padded; otherwise the best boards reached
    qsizetype uncovered = 0; // K-sets the boards leave uncovered
    int reached = 0; // distinct boards of the covering before padding
    qint64 moves = 0;
    QList<BoardMask> orbitStart; // the boards of the orbit start, when there was one
};

// Runs the search. `stop` is asked about every thousand moves; `progress` is called as often (the
// caller decides what to show) and at each stage.
WheelSearchResult searchCovering(const SearchRequest &request, const std::function<bool()> &stop = {},
    const std::function<void(const SearchProgress &)> &progress = {});

} // namespace quillon
