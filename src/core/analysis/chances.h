// SPDX-License-Identifier: GPL-3.0-or-later
// The chances a wheel gives in a lottery drawing 7 numbers from P, beside as many boards
// chosen at random, and the figures as CSV lines for scripts and spreadsheets.
#pragma once

#include "core/analysis/coverage.h"

#include <QByteArray>
#include <QList>
#include <QString>
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

// The pools of the five lotteries of the ticket table, in its order.
QList<int> ticketLotteryPools();

// The CSV lines of catalogue system S (its smallest table when asked, which is the
// catalogue's where none is smaller), or of the boards in a board file's text with the
// guarantee N-K, for the pools given (the five lotteries' when none is). Empty, with error
// set to what is wrong, when there is nothing to analyse.
QByteArray catalogueAnalysisCsv(int system, bool smallest, const QList<int> &pools, QString *error);
QByteArray boardFileAnalysisCsv(
    const QByteArray &text, int guarantee, int condition, const QList<int> &pools, QString *error);

} // namespace quillon
