// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/wheelcheck.h"

#include <QList>
#include <bit>
#include <cstdint>

namespace quillon {

namespace {

constexpr int kBoardSize = 7;
constexpr int kMaxPool = 30;

struct Binomials {
    std::uint64_t c[kMaxPool + 1][kBoardSize + 2] = {};
    constexpr Binomials()
    {
        for (int n = 0; n <= kMaxPool; ++n) {
            c[n][0] = 1;
            for (int r = 1; r <= kBoardSize + 1; ++r)
                c[n][r] = n == 0 ? 0 : c[n - 1][r - 1] + c[n - 1][r];
        }
    }
};
constexpr Binomials kBinom;

// Colex rank of a set of positions (0-based bits): sum of C(p_i, i) over its elements in ascending order.
std::uint32_t colexRank(std::uint32_t mask)
{
    std::uint64_t rank = 0;
    for (int i = 1; mask; ++i, mask &= mask - 1)
        rank += kBinom.c[std::countr_zero(mask)][i];
    return static_cast<std::uint32_t>(rank);
}

std::uint32_t colexUnrank(std::uint64_t rank, int k)
{
    std::uint32_t mask = 0;
    for (int i = k; i >= 1; --i) {
        int p = i - 1;
        while (p + 1 <= kMaxPool && kBinom.c[p + 1][i] <= rank)
            ++p;
        rank -= kBinom.c[p][i];
        mask |= 1u << p;
    }
    return mask;
}

// Calls f(mask) for every r-subset of the set bits of `from`, each OR-ed with `base`.
template <typename F> void forEachSubset(std::uint32_t from, int r, std::uint32_t base, F &&f)
{
    if (r == 0) {
        f(base);
        return;
    }
    if (std::popcount(from) < r)
        return;
    std::uint32_t low = from & (~from + 1);
    forEachSubset(from & ~low, r - 1, base | low, f);
    forEachSubset(from & ~low, r, base, f);
}

QString lineFault(qsizetype index, const QString &what)
{
    return QStringLiteral("line %1: %2").arg(index + 1).arg(what);
}

} // namespace

QByteArray wheelLetters(unsigned mask)
{
    QByteArray s;
    for (int p = 0; mask; ++p, mask >>= 1)
        if (mask & 1u)
            s += static_cast<char>('A' + p);
    return s;
}

bool splitWheelText(const QByteArray &text, QByteArrayList &lines, QString &error)
{
    lines.clear();
    if (text.contains('\r')) {
        error = QStringLiteral("carriage return in table text");
        return false;
    }
    if (!text.isEmpty() && !text.endsWith('\n')) {
        error = QStringLiteral("last line does not end with a newline");
        return false;
    }
    lines = text.split('\n');
    lines.removeLast(); // what follows the final newline
    return true;
}

WheelCheckResult checkWheel(int n, int k, int m, int g, const QByteArrayList &boards)
{
    WheelCheckResult result;
    if (m < kBoardSize || m > kMaxPool || k < 1 || k > m || n < 1 || n > k || n > kBoardSize || g < 1) {
        result.reason = QStringLiteral("impossible system %1-%2-%3-%4").arg(n).arg(k).arg(m).arg(g);
        return result;
    }
    if (boards.size() != g) {
        result.reason = QStringLiteral("expected %1 boards, found %2").arg(g).arg(boards.size());
        return result;
    }

    QList<std::uint32_t> masks;
    masks.reserve(boards.size());
    std::uint32_t used = 0;
    for (qsizetype i = 0; i < boards.size(); ++i) {
        const QByteArray &b = boards[i];
        if (b.size() != kBoardSize) {
            result.reason = lineFault(i, QStringLiteral("expected 7 letters, found %1").arg(b.size()));
            return result;
        }
        std::uint32_t mask = 0;
        int previous = 0;
        for (char ch : b) {
            const int p = static_cast<unsigned char>(ch) - 64;
            const QString letter = QString::fromLatin1(&ch, 1);
            if (p < 1 || p > m) {
                result.reason
                    = lineFault(i, QStringLiteral("'%1' is not a position in 1 ... %2").arg(letter).arg(m));
                return result;
            }
            if (p <= previous) {
                result.reason
                    = lineFault(i, QStringLiteral("positions not strictly ascending at '%1'").arg(letter));
                return result;
            }
            previous = p;
            mask |= 1u << (p - 1);
        }
        const qsizetype repeated = masks.indexOf(mask);
        if (repeated >= 0) {
            result.reason = lineFault(i, QStringLiteral("repeats line %1").arg(repeated + 1));
            return result;
        }
        masks.append(mask);
        used |= mask;
    }
    for (int p = 1; p <= m; ++p)
        if (!(used & (1u << (p - 1)))) {
            result.reason = QStringLiteral("position %1 (%2) is in no board")
                                .arg(p)
                                .arg(QLatin1String(wheelLetters(1u << (p - 1))));
            return result;
        }

    // Mark every k-subset that some board meets in n or more positions, then look for one left unmarked.
    const std::uint32_t all = m == 32 ? ~0u : (1u << m) - 1;
    QList<std::uint8_t> covered(static_cast<qsizetype>(kBinom.c[m][k]), 0);
    for (std::uint32_t board : masks) {
        const std::uint32_t outside = all & ~board;
        for (int t = n; t <= std::min(k, kBoardSize); ++t) {
            if (k - t > m - kBoardSize)
                continue;
            forEachSubset(board, t, 0, [&](std::uint32_t inner) {
                forEachSubset(outside, k - t, inner, [&](std::uint32_t set) { covered[colexRank(set)] = 1; });
            });
        }
    }
    for (qsizetype r = 0; r < covered.size(); ++r)
        if (!covered[r]) {
            result.reason
                = QStringLiteral("no board holds %1 of %2")
                      .arg(n)
                      .arg(QLatin1String(wheelLetters(colexUnrank(static_cast<std::uint64_t>(r), k))));
            return result;
        }
    result.ok = true;
    return result;
}

} // namespace quillon
