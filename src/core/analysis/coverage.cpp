// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analysis/coverage.h"

#include <algorithm>
#include <bit>

namespace quillon {

namespace {

constexpr int kMaxPositions = 30;
// How many subsets pass between two progress calls.
constexpr quint64 kProgressStep = 1u << 15;

// The counters of the prefix (slices s0, s1, s2) plus the column c, read out: counts[h]
// is the number of boards holding h. Popcounts of the three slices and of their
// overlaps give, by inclusion and exclusion, how many boards hold each count 1 … 7.
// Built twice, with and without the processor's popcount instruction, chosen at load.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("popcnt", "default")))
#endif
void hitCounts(const quint64 *s0, const quint64 *s1, const quint64 *s2, const quint64 *c, int words,
    quint64 boards, quint64 *counts)
{
    quint64 a = 0, b = 0, d = 0, ab = 0, ad = 0, bd = 0, abd = 0;
    for (int w = 0; w < words; ++w) {
        const quint64 k0 = s0[w] & c[w];
        const quint64 x0 = s0[w] ^ c[w];
        const quint64 x1 = s1[w] ^ k0;
        const quint64 x2 = s2[w] ^ (s1[w] & k0);
        const quint64 x01 = x0 & x1;
        a += quint64(__builtin_popcountll(x0));
        b += quint64(__builtin_popcountll(x1));
        d += quint64(__builtin_popcountll(x2));
        ab += quint64(__builtin_popcountll(x01));
        ad += quint64(__builtin_popcountll(x0 & x2));
        bd += quint64(__builtin_popcountll(x1 & x2));
        abd += quint64(__builtin_popcountll(x01 & x2));
    }
    counts[7] = abd;
    counts[6] = bd - abd;
    counts[5] = ad - abd;
    counts[3] = ab - abd;
    counts[4] = d - ad - bd + abd;
    counts[2] = b - ab - bd + abd;
    counts[1] = a - ab - ad + abd;
    counts[0] = boards - (a + b + d - ab - ad - bd + abd);
}

// Counts, for each subset of positions, the boards holding 0 … 7 of it. Every position
// is a column of bits over the boards; the hits of every board are kept as a three-bit
// counter sliced across three words, so one column is added to 64 boards at a time.
// Subsets come in lexicographic order and each prefix's counters are kept, so every
// subset costs one column added to its prefix's counters.
class SubsetCounter {
public:
    SubsetCounter(const std::vector<quint32> &boards, int poolSize)
        : m_poolSize(poolSize)
        , m_boardCount(int(boards.size()))
        , m_words(int((boards.size() + 63) / 64))
        , m_columns(size_t(poolSize) * size_t(m_words), 0)
    {
        for (size_t b = 0; b < boards.size(); ++b)
            for (quint32 mask = boards[b]; mask; mask &= mask - 1)
                m_columns[size_t(std::countr_zero(mask)) * size_t(m_words) + b / 64] |= quint64(1)
                    << (b % 64);
    }

    // Calls visit(counts, mask) for every j-subset (1 ≤ j ≤ 7): counts[h] is the number of
    // boards holding exactly h of it. False when progress stopped it.
    template <typename Visit> bool run(int j, const AnalysisProgress &progress, Visit &&visit)
    {
        m_total = binomial(m_poolSize, j);
        m_done = 0;
        m_nextReport = 0;
        m_progress = &progress;
        m_stopped = false;
        m_slices.assign(size_t(j) * 3 * size_t(m_words), 0);
        descend(0, 0, 0, j, visit);
        if (!m_stopped && progress)
            m_stopped = !progress(m_total, m_total);
        return !m_stopped;
    }

private:
    quint64 *slices(int depth) { return m_slices.data() + size_t(depth) * 3 * size_t(m_words); }
    const quint64 *column(int p) const { return m_columns.data() + size_t(p) * size_t(m_words); }

    template <typename Visit> void descend(int depth, int first, quint32 mask, int j, Visit &visit)
    {
        const int last = m_poolSize - (j - depth);
        const quint64 *s0 = slices(depth);
        const quint64 *s1 = s0 + m_words;
        const quint64 *s2 = s1 + m_words;
        if (depth + 1 < j) {
            quint64 *t0 = slices(depth + 1);
            quint64 *t1 = t0 + m_words;
            quint64 *t2 = t1 + m_words;
            for (int p = first; p <= last && !m_stopped; ++p) {
                const quint64 *c = column(p);
                for (int w = 0; w < m_words; ++w) {
                    const quint64 k0 = s0[w] & c[w];
                    t0[w] = s0[w] ^ c[w];
                    t1[w] = s1[w] ^ k0;
                    t2[w] = s2[w] ^ (s1[w] & k0);
                }
                descend(depth + 1, p + 1, mask | (1u << p), j, visit);
            }
            return;
        }
        if (m_progress && *m_progress && m_done >= m_nextReport) {
            m_nextReport = m_done + kProgressStep;
            if (!(*m_progress)(m_done, m_total)) {
                m_stopped = true;
                return;
            }
        }
        for (int p = first; p <= last; ++p) {
            std::array<quint64, 8> counts;
            hitCounts(s0, s1, s2, column(p), m_words, quint64(m_boardCount), counts.data());
            visit(counts, mask | (1u << p));
        }
        m_done += quint64(last - first + 1);
    }

    int m_poolSize;
    int m_boardCount;
    int m_words;
    std::vector<quint64> m_columns; // m_poolSize columns of m_words words
    std::vector<quint64> m_slices; // per depth: the three counter slices
    const AnalysisProgress *m_progress = nullptr;
    quint64 m_total = 0;
    quint64 m_done = 0;
    quint64 m_nextReport = 0;
    bool m_stopped = false;
};

bool usable(const Wheel &wheel)
{
    return !wheel.isEmpty() && wheel.poolSize() >= 1 && wheel.poolSize() <= kMaxPositions;
}

} // namespace

quint64 binomial(int n, int k)
{
    if (k < 0 || n < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    quint64 result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * quint64(n - k + i) / quint64(i); // exact: a product of i consecutive numbers
    return result;
}

double CoverageFigures::bestShare(int j, int h) const
{
    const quint64 total = subsetCount(j);
    return total ? double(bestHits[size_t(j)][size_t(h)]) / double(total) : 0.0;
}

double CoverageFigures::atLeastShare(int j, int h) const
{
    quint64 count = 0;
    for (int i = std::max(h, 0); i <= kMaxDrawn; ++i)
        count += bestHits[size_t(j)][size_t(i)];
    const quint64 total = subsetCount(j);
    return total ? double(count) / double(total) : 0.0;
}

double CoverageFigures::averageBoards(int j, int h) const
{
    const quint64 total = subsetCount(j);
    return total ? double(boardHits[size_t(j)][size_t(h)]) / double(total) : 0.0;
}

std::vector<quint32> boardMasks(const Wheel &wheel)
{
    std::vector<quint32> masks;
    masks.reserve(size_t(wheel.boardCount()));
    for (int b = 1; b <= wheel.boardCount(); ++b) {
        quint32 mask = 0;
        for (char letter : wheel.board(b)) {
            const int p = static_cast<unsigned char>(letter) - 64;
            if (p >= 1 && p <= kMaxPositions)
                mask |= 1u << (p - 1);
        }
        masks.push_back(mask);
    }
    return masks;
}

std::optional<CoverageFigures> computeCoverage(const Wheel &wheel, const AnalysisProgress &progress)
{
    if (!usable(wheel))
        return std::nullopt;
    const std::vector<quint32> masks = boardMasks(wheel);
    CoverageFigures figures;
    figures.poolSize = wheel.poolSize();
    figures.boardCount = wheel.boardCount();
    figures.balance.assign(size_t(figures.poolSize), 0);
    for (quint32 mask : masks)
        for (; mask; mask &= mask - 1)
            ++figures.balance[size_t(std::countr_zero(mask))];

    // One progress over all j together, weighted by their subset counts.
    quint64 total = 0;
    for (int j = 1; j <= figures.maxDrawn(); ++j)
        total += figures.subsetCount(j);
    quint64 before = 0;
    const AnalysisProgress overall = progress
        ? AnalysisProgress([&](quint64 done, quint64) { return progress(before + done, total); })
        : AnalysisProgress();

    SubsetCounter counter(masks, figures.poolSize);
    for (int j = 1; j <= figures.maxDrawn(); ++j) {
        auto &best = figures.bestHits[size_t(j)];
        auto &sums = figures.boardHits[size_t(j)];
        auto &spread = figures.spread[size_t(j)];
        for (int h = 0; h <= j; ++h)
            spread[size_t(h)].assign(size_t(figures.boardCount) + 1, 0);
        const bool finished = counter.run(j, overall, [&](const std::array<quint64, 8> &counts, quint32) {
            int top = j;
            while (top > 0 && counts[size_t(top)] == 0)
                --top;
            ++best[size_t(top)];
            for (int h = 0; h <= j; ++h) {
                sums[size_t(h)] += counts[size_t(h)];
                ++spread[size_t(h)][size_t(counts[size_t(h)])];
            }
        });
        if (!finished)
            return std::nullopt;
        before += figures.subsetCount(j);
    }
    return figures;
}

std::optional<GuaranteeProof> proveGuarantee(
    const Wheel &wheel, int guarantee, int condition, const AnalysisProgress &progress)
{
    if (!usable(wheel) || guarantee < 1 || guarantee > condition || condition > CoverageFigures::kMaxDrawn
        || condition > wheel.poolSize())
        return std::nullopt;
    GuaranteeProof proof;
    proof.guarantee = guarantee;
    proof.condition = condition;
    proof.poolSize = wheel.poolSize();
    proof.checked = binomial(proof.poolSize, condition);
    SubsetCounter counter(boardMasks(wheel), proof.poolSize);
    const bool finished
        = counter.run(condition, progress, [&](const std::array<quint64, 8> &counts, quint32 mask) {
              for (int h = guarantee; h <= condition; ++h)
                  if (counts[size_t(h)])
                      return;
              if (proof.holes.size() < size_t(GuaranteeProof::kListedHoles))
                  proof.holes.push_back(mask);
              ++proof.holeCount;
          });
    if (!finished)
        return std::nullopt;
    return proof;
}

std::optional<WheelAnalysis> analyseWheel(
    const Wheel &wheel, int guarantee, int condition, const AnalysisProgress &progress)
{
    if (!usable(wheel))
        return std::nullopt;
    quint64 coverageTotal = 0;
    for (int j = 1; j <= std::min(CoverageFigures::kMaxDrawn, int(wheel.poolSize())); ++j)
        coverageTotal += binomial(wheel.poolSize(), j);
    const quint64 total = coverageTotal + binomial(wheel.poolSize(), condition);
    const auto part = [&](quint64 before) {
        return progress ? AnalysisProgress([&progress, before, total](quint64 done, quint64) {
            return progress(before + done, total);
        })
                        : AnalysisProgress();
    };
    std::optional<CoverageFigures> coverage = computeCoverage(wheel, part(0));
    if (!coverage)
        return std::nullopt;
    std::optional<GuaranteeProof> proof = proveGuarantee(wheel, guarantee, condition, part(coverageTotal));
    if (!proof)
        return std::nullopt;
    return WheelAnalysis { std::move(*proof), std::move(*coverage) };
}

int boardLowerBound(int guarantee, int condition, int poolSize)
{
    constexpr int b = Wheel::kBoardSize;
    if (guarantee < 1 || guarantee > condition || condition > poolSize || guarantee > b)
        return 0;
    quint64 perBoard = 0;
    for (int i = guarantee; i <= std::min(b, condition); ++i)
        perBoard += binomial(b, i) * binomial(poolSize - b, condition - i);
    const quint64 subsets = binomial(poolSize, condition);
    quint64 bound = perBoard ? (subsets + perBoard - 1) / perBoard : 0;
    if (guarantee == condition) {
        quint64 schoenheim = 1;
        for (int i = guarantee - 1; i >= 0; --i)
            schoenheim = (quint64(poolSize - i) * schoenheim + quint64(b - i) - 1) / quint64(b - i);
        bound = std::max(bound, schoenheim);
    }
    return int(bound);
}

} // namespace quillon
