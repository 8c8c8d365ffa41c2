// SPDX-License-Identifier: GPL-3.0-or-later
// Exact figures of a wheel, from every way the draw can fall on the player's numbers:
// for each j, every j-subset of the wheel's M positions is met against every board.
// No sampling: the subsets are enumerated, the boards counted as bit columns.
#pragma once

#include "core/wheels/wheel.h"

#include <QtGlobal>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace quillon {

// Called now and then from the computing thread with the subsets examined and their
// total; returning false stops the computation.
using AnalysisProgress = std::function<bool(quint64 done, quint64 total)>;

// C(n, k), exact; 0 when k < 0 or k > n.
quint64 binomial(int n, int k);

struct CoverageFigures {
    static constexpr int kMaxDrawn = Wheel::kBoardSize;

    int poolSize = 0; // M
    int boardCount = 0; // G
    // j runs 1 … maxDrawn() = min(7, M).
    int maxDrawn() const { return std::min(kMaxDrawn, poolSize); }

    // bestHits[j][h]: the j-subsets whose best board holds exactly h of them.
    std::array<std::array<quint64, kMaxDrawn + 1>, kMaxDrawn + 1> bestHits {};
    // boardHits[j][h]: boards holding exactly h of the subset, summed over every j-subset.
    std::array<std::array<quint64, kMaxDrawn + 1>, kMaxDrawn + 1> boardHits {};
    // spread[j][h][c]: the j-subsets in which exactly c boards hold exactly h of them (c = 0 … G).
    std::array<std::array<std::vector<quint64>, kMaxDrawn + 1>, kMaxDrawn + 1> spread;
    // balance[p - 1]: the boards holding position p.
    std::vector<int> balance;

    quint64 subsetCount(int j) const { return binomial(poolSize, j); }
    // The share of the j-subsets whose best board holds exactly h.
    double bestShare(int j, int h) const;
    // The share of the j-subsets in which some board holds h or more.
    double atLeastShare(int j, int h) const;
    // The average number of boards holding exactly h of a j-subset.
    double averageBoards(int j, int h) const;
};

// Every figure for j = 1 … min(7, M); nothing when stopped through progress.
std::optional<CoverageFigures> computeCoverage(const Wheel &wheel, const AnalysisProgress &progress = {});

struct GuaranteeProof {
    static constexpr int kListedHoles = 100;

    int guarantee = 0; // N
    int condition = 0; // K
    int poolSize = 0; // M
    quint64 checked = 0; // C(M, K)
    quint64 holeCount = 0; // K-subsets no board meets in N or more
    // The first holes in enumeration order, as position masks (bit p - 1 = position p).
    std::vector<quint32> holes;

    bool holds() const { return checked > 0 && holeCount == 0; }
};

// Checks "N if K among M" against every K-subset of the wheel's positions (N ≤ K ≤ 7,
// K ≤ M); nothing when stopped through progress.
std::optional<GuaranteeProof> proveGuarantee(
    const Wheel &wheel, int guarantee, int condition, const AnalysisProgress &progress = {});

// Both: the proof of "N if K" and, when figures is set, every coverage figure, under one
// progress; nothing when stopped.
struct WheelAnalysis {
    GuaranteeProof proof;
    CoverageFigures coverage;
};
std::optional<WheelAnalysis> analyseWheel(
    const Wheel &wheel, int guarantee, int condition, const AnalysisProgress &progress = {});

// The fewest boards any wheel "N if K among M" can have by counting: every K-subset
// needs a board meeting it in N, and one board meets only so many; for N = K the
// Schönheim bound, which is sharper.
int boardLowerBound(int guarantee, int condition, int poolSize);

// The position masks of the wheel's boards (bit p - 1 = position p), board by board.
std::vector<quint32> boardMasks(const Wheel &wheel);

} // namespace quillon
