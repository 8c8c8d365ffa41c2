// SPDX-License-Identifier: GPL-3.0-or-later
// The chances a wheel gives in a lottery drawing 7 numbers from P, beside as many boards
// chosen at random, and the figures as CSV lines for scripts and spreadsheets.
#pragma once

#include "core/analysis/coverage.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <optional>

namespace quillon {

constexpr int kLotteryDrawn = 7;
constexpr int kSmallestLotteryPool = 7;
constexpr int kLargestLotteryPool = 99;

// The chance that exactly h of 7 numbers drawn from pool fall on a given set of
// `chosen` numbers (the hypergeometric weight); exact ratio of whole numbers.
long double drawWeight(int pool, int chosen, int h);

struct LotteryChances {
    int pool = 0; // P
    // [h], h = 0 … 7: the chance that at least one board holds h or more of the draw,
    // for the wheel and for as many boards chosen independently at random.
    std::array<long double, kLotteryDrawn + 1> wheel {};
    std::array<long double, kLotteryDrawn + 1> random {};
    // [h]: the expected number of boards holding exactly h; the same for any
    // arrangement of the same number of boards.
    std::array<long double, kLotteryDrawn + 1> expectedBoards {};
};

// The chances in a lottery drawing 7 of pool; nothing when the pool cannot hold the
// wheel's M numbers or lies outside 7 … 99.
std::optional<LotteryChances> lotteryChances(const CoverageFigures &figures, int pool);

// The lines "coverage,j,h,share" for j = 1 … min(7, M) and h = 0 … j, then for each
// pool that can hold the numbers, "chance,P,h,wheel,random" for h = 3 … 7; each line
// ends with '\n', figures with 12 significant digits.
QByteArray analysisCsv(const CoverageFigures &figures, const QList<int> &pools);

} // namespace quillon
