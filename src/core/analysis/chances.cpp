// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analysis/chances.h"

#include "core/analysis/boardfile.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/catalogue.h"

#include <QCoreApplication>
#include <cmath>

namespace quillon {

namespace {

QByteArray figure(long double value)
{
    return QByteArray::number(double(value), 'g', 12);
}

QByteArray csvOf(const Wheel &wheel, const QList<int> &pools, QString *error)
{
    const QList<int> chosen = pools.isEmpty() ? ticketLotteryPools() : pools;
    for (int pool : chosen)
        if (pool < std::max(kSmallestLotteryPool, int(wheel.poolSize())) || pool > kLargestLotteryPool) {
            if (error)
                *error = QCoreApplication::translate(
                    "quillon", "a lottery of %1 numbers cannot hold the wheel's %2")
                             .arg(pool)
                             .arg(wheel.poolSize());
            return {};
        }
    const std::optional<CoverageFigures> figures = computeCoverage(wheel);
    return figures ? analysisCsv(*figures, chosen) : QByteArray();
}

} // namespace

long double drawWeight(int pool, int chosen, int h)
{
    const quint64 all = binomial(pool, kLotteryDrawn);
    if (all == 0)
        return 0;
    return static_cast<long double>(binomial(chosen, h) * binomial(pool - chosen, kLotteryDrawn - h))
        / static_cast<long double>(all);
}

std::optional<LotteryChances> lotteryChances(const CoverageFigures &figures, int pool)
{
    const int m = figures.poolSize;
    if (pool < kSmallestLotteryPool || pool > kLargestLotteryPool || pool < m || figures.boardCount < 1)
        return std::nullopt;
    LotteryChances chances;
    chances.pool = pool;
    const long double draws = static_cast<long double>(binomial(pool, kLotteryDrawn));
    for (int h = 0; h <= kLotteryDrawn; ++h) {
        // The draws in which some board holds h or more: j of the player's numbers drawn
        // (any j-subset alike), the rest from the P − M others.
        quint64 winning = 0;
        for (int j = std::max(h, 1); j <= figures.maxDrawn(); ++j) {
            quint64 subsets = 0;
            for (int i = h; i <= j; ++i)
                subsets += figures.bestHits[size_t(j)][size_t(i)];
            winning += subsets * binomial(pool - m, kLotteryDrawn - j);
        }
        if (h == 0)
            winning = binomial(pool, kLotteryDrawn);
        chances.wheel[size_t(h)] = static_cast<long double>(winning) / draws;

        // One random board holds h or more with p; G independent boards miss with (1 − p)^G.
        long double p = 0;
        for (int i = h; i <= kLotteryDrawn; ++i)
            p += drawWeight(pool, kLotteryDrawn, i);
        chances.random[size_t(h)] = p >= 1 ? 1.0L : -std::expm1(figures.boardCount * std::log1p(-p));
        chances.expectedBoards[size_t(h)] = figures.boardCount * drawWeight(pool, kLotteryDrawn, h);
    }
    return chances;
}

QList<int> ticketLotteryPools()
{
    QList<int> pools;
    for (int t = 1; t <= kTicketTypeCount; ++t)
        pools << lotteryPool(t);
    return pools;
}

QByteArray catalogueAnalysisCsv(int system, bool smallest, const QList<int> &pools, QString *error)
{
    if (system < 1 || system > kSystemCount || !hasWheelTable(system)) {
        if (error)
            *error = QCoreApplication::translate("quillon", "system %1 has no table").arg(system);
        return {};
    }
    return csvOf(Wheel::fromCatalogue(system, smallest ? Wheel::Table::Smallest : Wheel::Table::Catalogue),
        pools, error);
}

QByteArray boardFileAnalysisCsv(
    const QByteArray &text, int guarantee, int condition, const QList<int> &pools, QString *error)
{
    const BoardFile file = readBoardFile(text, guarantee, condition, error);
    if (file.wheel.isEmpty())
        return {};
    return csvOf(file.wheel, pools, error);
}

QByteArray analysisCsv(const CoverageFigures &figures, const QList<int> &pools)
{
    QByteArray csv;
    for (int j = 1; j <= figures.maxDrawn(); ++j)
        for (int h = 0; h <= j; ++h)
            csv += "coverage," + QByteArray::number(j) + ',' + QByteArray::number(h) + ','
                + figure(figures.bestShare(j, h)) + '\n';
    for (int pool : pools) {
        const std::optional<LotteryChances> chances = lotteryChances(figures, pool);
        if (!chances)
            continue;
        for (int h = 3; h <= kLotteryDrawn; ++h)
            csv += "chance," + QByteArray::number(pool) + ',' + QByteArray::number(h) + ','
                + figure(chances->wheel[size_t(h)]) + ',' + figure(chances->random[size_t(h)]) + '\n';
    }
    return csv;
}

} // namespace quillon
