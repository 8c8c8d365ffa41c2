// SPDX-License-Identifier: GPL-3.0-or-later
// The covering search. The search keeps, for every K-subset of positions (indexed by colex rank), how
// many boards cover it, plus the list of uncovered ones for a constant-time random pick. Annealing: pick
// an uncovered K-set S, a board one point short of covering it, and swap a point of the board outside
// S for a point of S outside it. A swap x -> y only changes the K-sets made of x (or y), N-1 other
// points of the board and K-N points outside it, so its cost change is counted from those alone. The
// weighted search (class WeightedSearch) makes the best such swap by K-set weights instead.

#include "core/wheels/wheelsearch.h"

#include "core/wheels/wheelcheck.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <mutex>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace quillon {

namespace {

using Mask = std::uint32_t;
constexpr int kBoardSize = 7;
constexpr int kMaxPool = 30;

constexpr int kMaxSet = kBoardSize + 1; // largest set ranked: K, or K + 1 when padding
constexpr int kLowBits = 16;
std::uint64_t binom[kMaxPool + 1][kMaxSet + 1];
// Colex rank of a set of at most kMaxSet positions, in two lookups: the part below position 16, and
// the part above it given how many positions lie below. A lowRank entry holds that count in its top
// byte, so that no bit count is needed (a library call on CPUs without a count instruction).
std::vector<std::uint32_t> lowRank, highRank;
constexpr int kCountShift = 24;

void initBinomials()
{
    for (int n = 0; n <= kMaxPool; ++n) {
        binom[n][0] = 1;
        for (int r = 1; r <= kMaxSet; ++r)
            binom[n][r] = n == 0 ? 0 : binom[n - 1][r - 1] + binom[n - 1][r];
    }
    const auto partRank = [](Mask part, int offset, int below) {
        std::uint32_t r = 0;
        for (int i = below + 1; part && i <= kMaxSet; ++i, part &= part - 1)
            r += static_cast<std::uint32_t>(binom[offset + std::countr_zero(part)][i]);
        return r;
    };
    constexpr Mask lowCount = 1u << kLowBits, highCount = 1u << (kMaxPool - kLowBits);
    lowRank.resize(lowCount);
    for (Mask low = 0; low < lowCount; ++low)
        lowRank[low] = partRank(low, 0, 0) | static_cast<std::uint32_t>(std::popcount(low)) << kCountShift;
    highRank.resize((kMaxSet + 1) * highCount);
    for (int below = 0; below <= kMaxSet; ++below)
        for (Mask high = 0; high < highCount; ++high)
            highRank[below * highCount + high] = partRank(high, kLowBits, below);
}

inline std::uint32_t rankOf(Mask s)
{
    const std::uint32_t low = lowRank[s & ((1u << kLowBits) - 1)];
    return (low & ((1u << kCountShift) - 1))
        + highRank[(static_cast<std::size_t>(low >> kCountShift) << (kMaxPool - kLowBits)) + (s >> kLowBits)];
}

Mask unrank(std::uint64_t rank, int k)
{
    Mask mask = 0;
    for (int i = k; i >= 1; --i) {
        int p = i - 1;
        while (p + 1 <= kMaxPool && binom[p + 1][i] <= rank)
            ++p;
        rank -= binom[p][i];
        mask |= 1u << p;
    }
    return mask;
}

// All r-subsets of the set bits of `from`, appended to out.
void subsets(Mask from, int r, Mask base, std::vector<Mask> &out)
{
    if (r == 0) {
        out.push_back(base);
        return;
    }
    if (std::popcount(from) < r)
        return;
    const Mask low = from & (~from + 1);
    subsets(from & ~low, r - 1, base | low, out);
    subsets(from & ~low, r, base, out);
}

Mask nthBit(Mask m, int i)
{
    while (i--)
        m &= m - 1;
    return m & (~m + 1);
}

// The caller's stop and progress callbacks, either of which may be empty.
struct Callbacks {
    std::function<bool()> stop;
    std::function<void(const SearchProgress &)> progress;

    bool stopped() const { return stop && stop(); }
    void report(const SearchProgress &p) const
    {
        if (progress)
            progress(p);
    }
    // The searches' regular call: false when asked to stop, otherwise reports `p`.
    bool carryOn(const SearchProgress &p) const
    {
        if (stopped())
            return false;
        report(p);
        return true;
    }
};

SearchProgress progressOf(
    SearchProgress::Stage stage, std::size_t uncovered, std::size_t best, std::size_t boards, long moves)
{
    SearchProgress p;
    p.stage = stage;
    p.uncovered = static_cast<qsizetype>(uncovered);
    p.best = static_cast<qsizetype>(best);
    p.boards = static_cast<qsizetype>(boards);
    p.moves = moves;
    return p;
}

// The cyclic group Z_q acting on the positions: `cycles` cycles of q positions each (position i of
// cycle j is point j*q + i and goes to j*q + (i + 1) mod q), the remaining positions fixed.
class CyclicGroup {
public:
    CyclicGroup(int q, int cycles, int m)
        : q_(q)
        , image_(static_cast<std::size_t>(q) * m)
    {
        for (int t = 0; t < q; ++t)
            for (int p = 0; p < m; ++p)
                image_[static_cast<std::size_t>(t) * m + p]
                    = p < cycles * q ? 1u << (p / q * q + (p % q + t) % q) : 1u << p;
        m_ = m;
    }

    int order() const { return q_; }

    // The image of a set of positions under the t-th power of the generator.
    Mask image(Mask b, int t) const
    {
        const Mask *row = &image_[static_cast<std::size_t>(t) * m_];
        Mask r = 0;
        for (; b; b &= b - 1)
            r |= row[std::countr_zero(b)];
        return r;
    }

    // The distinct boards of the orbits of `base`, in order of first appearance.
    std::vector<Mask> orbits(const std::vector<Mask> &base) const
    {
        std::vector<Mask> boards;
        for (Mask b : base)
            for (int t = 0; t < q_; ++t) {
                const Mask i = image(b, t);
                if (std::find(boards.begin(), boards.end(), i) == boards.end())
                    boards.push_back(i);
            }
        return boards;
    }

private:
    int q_, m_ = 0;
    std::vector<Mask> image_;
};

// The K-sets a board touches, enumerated into two scratch lists; shared by the cover counts of
// single boards and of orbits.
class KSetWalk {
protected:
    KSetWalk(int n, int k, int m)
        : n_(n)
        , k_(k)
        , m_(m)
        , all_((1u << m) - 1)
    {
    }

    // Calls f(rank) for every K-set that `board` meets in at least n positions.
    template <typename F> void forCovered(Mask board, F &&f)
    {
        const Mask outside = all_ & ~board;
        for (int t = n_; t <= std::min(k_, kBoardSize); ++t) {
            if (k_ - t > m_ - kBoardSize)
                continue;
            inner_.clear();
            subsets(board, t, 0, inner_);
            outer_.clear();
            subsets(outside, k_ - t, 0, outer_);
            for (Mask a : inner_)
                for (Mask b : outer_)
                    f(rankOf(a | b));
        }
    }

    // Lists, for a swap of point x for y in `board`, the parts of the K-sets it changes: the
    // (n - 1)-subsets of the board without x, and the (k - n)-subsets outside the new board.
    void prepareSwap(Mask board, Mask x, Mask y)
    {
        inner_.clear();
        subsets(board & ~x, n_ - 1, 0, inner_);
        outer_.clear();
        subsets(all_ & ~(board | y), k_ - n_, 0, outer_);
    }

    int n_, k_, m_;
    Mask all_;
    std::vector<Mask> inner_, outer_;
};

// The indices 0 ... n-1 not covered, with each one's place in the list: constant-time insert, remove
// and random pick. All of them at the start.
class UncoveredList {
public:
    explicit UncoveredList(std::size_t n)
        : where_(n)
    {
        list_.reserve(n);
        for (std::uint32_t r = 0; r < n; ++r)
            insert(r);
    }

    std::size_t size() const { return list_.size(); }
    std::uint32_t operator[](std::size_t i) const { return list_[i]; }

    void insert(std::uint32_t r)
    {
        where_[r] = static_cast<std::int32_t>(list_.size());
        list_.push_back(r);
    }

    void remove(std::uint32_t r)
    {
        const std::int32_t i = where_[r];
        const std::uint32_t last = list_.back();
        list_[i] = last;
        where_[last] = i;
        list_.pop_back();
        where_[r] = -1;
    }

private:
    std::vector<std::int32_t> where_;
    std::vector<std::uint32_t> list_;
};

// Cover counts of all K-sets under a list of boards.
class Cover : public KSetWalk {
public:
    Cover(int n, int k, int m)
        : KSetWalk(n, k, m)
        , count_(binom[m][k], 0)
        , uncovered_(binom[m][k])
    {
    }

    std::size_t uncoveredCount() const { return uncovered_.size(); }
    std::uint32_t uncoveredAt(std::size_t i) const { return uncovered_[i]; }
    std::uint16_t countOf(std::uint32_t r) const { return count_[r]; }

    using KSetWalk::forCovered;

    // Index of the board whose removal would uncover the fewest K-sets (the first of them on a tie).
    std::size_t weakest(const std::vector<Mask> &boards)
    {
        std::size_t weakest = 0;
        long fewest = -1;
        for (std::size_t i = 0; i < boards.size(); ++i) {
            long loss = 0;
            forCovered(boards[i], [&](std::uint32_t r) { loss += count_[r] == 1; });
            if (fewest < 0 || loss < fewest) {
                fewest = loss;
                weakest = i;
            }
        }
        return weakest;
    }

    void add(Mask board)
    {
        forCovered(board, [&](std::uint32_t r) {
            if (count_[r]++ == 0)
                removeUncovered(r);
        });
    }

    void remove(Mask board)
    {
        forCovered(board, [&](std::uint32_t r) {
            if (--count_[r] == 0)
                addUncovered(r);
        });
    }

    // Number of uncovered K-sets the board would cover.
    long gain(Mask board)
    {
        long g = 0;
        forCovered(board, [&](std::uint32_t r) { g += count_[r] == 0; });
        return g;
    }

    // Change of the uncovered count if point x of `board` is replaced by point y.
    long swapDelta(Mask board, Mask x, Mask y)
    {
        prepareSwap(board, x, y);
        long delta = 0;
        for (Mask a : inner_)
            for (Mask b : outer_) {
                delta += count_[rankOf(x | a | b)] == 1;
                delta -= count_[rankOf(y | a | b)] == 0;
            }
        return delta;
    }

    // Weight of the K-sets newly covered minus weight of those uncovered if point x of `board` is
    // replaced by y; weight[r] is the weight of the K-set of rank r.
    std::int64_t weightedGain(Mask board, Mask x, Mask y, const std::vector<std::uint32_t> &weight)
    {
        prepareSwap(board, x, y);
        std::int64_t gain = 0;
        for (Mask a : inner_)
            for (Mask b : outer_) {
                const std::uint32_t lost = rankOf(x | a | b), won = rankOf(y | a | b);
                if (count_[lost] == 1)
                    gain -= weight[lost];
                if (count_[won] == 0)
                    gain += weight[won];
            }
        return gain;
    }

    void applySwap(Mask board, Mask x, Mask y)
    {
        prepareSwap(board, x, y);
        for (Mask a : inner_)
            for (Mask b : outer_) {
                const std::uint32_t lost = rankOf(x | a | b);
                if (--count_[lost] == 0)
                    addUncovered(lost);
                const std::uint32_t won = rankOf(y | a | b);
                if (count_[won]++ == 0)
                    removeUncovered(won);
            }
    }

private:
    void removeUncovered(std::uint32_t r) { uncovered_.remove(r); }
    void addUncovered(std::uint32_t r) { uncovered_.insert(r); }

    std::vector<std::uint16_t> count_;
    UncoveredList uncovered_;
};

// Cover counts of the K-sets under a table made of whole orbits of base boards. Such a table covers
// all K-sets of one orbit equally often, so one count per K-set orbit suffices: a base board that covers
// a K-set S adds q / |orbit of S| to the count of S's orbit (its q images cover the |orbit| K-sets
// that many times each). A swap in a base board, which is the same swap in all its images, therefore
// costs what a swap in one board costs. uncoveredCount() counts K-sets, not orbits.
class OrbitCover : public KSetWalk {
public:
    OrbitCover(int n, int k, int m, const CyclicGroup &group)
        : KSetWalk(n, k, m)
    {
        const std::uint32_t total = static_cast<std::uint32_t>(binom[m][k]);
        orbitOf_.assign(total, -1);
        Mask s = (1u << k) - 1; // K-sets in colex order, that is in rank order
        for (std::uint32_t r = 0; r < total; ++r) {
            if (orbitOf_[r] < 0) {
                const std::int32_t id = static_cast<std::int32_t>(rep_.size());
                int size = 0;
                for (int t = 0; t < group.order(); ++t) {
                    const std::uint32_t image = rankOf(group.image(s, t));
                    if (orbitOf_[image] != id) {
                        orbitOf_[image] = id;
                        ++size;
                    }
                }
                rep_.push_back(r);
                size_.push_back(static_cast<std::uint8_t>(size));
                share_.push_back(static_cast<std::uint8_t>(group.order() / size));
            }
            const Mask low = s & (~s + 1), ripple = s + low; // next K-set (Gosper)
            s = ripple | (((s ^ ripple) >> 2) / low);
        }
        count_.assign(rep_.size(), 0);
        uncovered_ = UncoveredList(rep_.size());
        uncoveredSets_ = total;
    }

    std::size_t uncoveredCount() const { return uncoveredSets_; }
    std::size_t uncoveredOrbits() const { return uncovered_.size(); }
    // Rank of a representative of the i-th uncovered orbit.
    std::uint32_t uncoveredAt(std::size_t i) const { return rep_[uncovered_[i]]; }

    // Adds or removes the orbit of `board`.
    void add(Mask board)
    {
        forCovered(board, [&](std::uint32_t r) { change(orbitOf_[r], 1); });
    }
    void remove(Mask board)
    {
        forCovered(board, [&](std::uint32_t r) { change(orbitOf_[r], -1); });
    }

    // Replaces point x of base board `board` by y, in the board and all its images.
    void applySwap(Mask board, Mask x, Mask y)
    {
        prepareSwap(board, x, y);
        for (Mask a : inner_)
            for (Mask b : outer_) {
                change(orbitOf_[rankOf(x | a | b)], -1);
                change(orbitOf_[rankOf(y | a | b)], 1);
            }
    }

private:
    void change(std::int32_t o, int sign)
    {
        const std::int32_t before = count_[o];
        count_[o] += sign * share_[o];
        if (before == 0) {
            uncovered_.remove(static_cast<std::uint32_t>(o));
            uncoveredSets_ -= size_[o];
        } else if (count_[o] == 0) {
            uncovered_.insert(static_cast<std::uint32_t>(o));
            uncoveredSets_ += size_[o];
        }
    }

    std::vector<std::int32_t> orbitOf_;
    std::vector<std::uint32_t> rep_;
    std::vector<std::uint8_t> size_, share_;
    std::vector<std::int32_t> count_;
    UncoveredList uncovered_ { 0 };
    std::size_t uncoveredSets_ = 0;
};

// Clause-weighting local search over a fixed number of boards. Every K-set T carries an integer weight
// w[T], 1 at the start, and a cover count c[T]. A step picks a random uncovered K-set T and scores every
// swap x -> y that brings a board B one point short of T onto it (|B n T| = N - 1, x in B \ T, y in T \ B):
// the weight of the K-sets the swap newly covers (c = 0) minus the weight of those it leaves uncovered
// (c = 1). The best swap is made (ties at random). When it does not gain (score <= 0) the search sits
// in a local minimum of the weighted cost, and every K-set still uncovered gets one heavier, so that the
// K-sets that stay uncovered pull harder until some swap takes them in; every `smooth` such stalls all
// weights above 1 go down by one, so that old weights fade. A point just added to a board may not leave
// it again within `tabu` steps, which keeps a swap from being undone at once.
//
// A step costs a scan of the boards plus, per candidate swap, the K-sets made of x or y, N - 1 other
// points of the board and K - N points outside it; for N = K one pass over the K- and (K - 1)-subsets
// of a board scores all its swaps. Never a pass over all K-sets. Deterministic for a seed: the stop callback
// only decides when to give up.
class WeightedSearch {
public:
    WeightedSearch(int n, int k, int m, std::uint64_t seed, int tabu, long smooth)
        : n_(n)
        , k_(k)
        , all_((1u << m) - 1)
        , tabu_(tabu)
        , smooth_(smooth)
        , cover_(n, k, m)
        , weight_(binom[m][k], 1)
        , rng_(seed)
    {
        // The (N - 1)-subsets of the six other points of a board, as bit patterns over their indices; for
        // N = K also the K- and (K - 1)-subsets of all seven.
        for (unsigned pattern = 0; pattern < 128; ++pattern) {
            if (pattern < 64 && std::popcount(pattern) == n - 1)
                innerPatterns_.push_back(pattern);
            if (std::popcount(pattern) == k)
                boardSubsets_.push_back(pattern);
            if (std::popcount(pattern) == k - 1)
                innerSubsets_.push_back(pattern);
        }
    }

    // Replaces the boards searched over.
    void setBoards(const std::vector<Mask> &boards)
    {
        for (Mask b : boards_)
            cover_.remove(b);
        boards_ = boards;
        for (Mask b : boards_)
            cover_.add(b);
        addedAt_.assign(boards_.size() * kMaxPool, kNever);
        best_ = boards_;
        bestUncovered_ = cover_.uncoveredCount();
    }

    const std::vector<Mask> &boards() const { return boards_; }
    // The boards that left the fewest K-sets uncovered, and how many.
    const std::vector<Mask> &best() const { return best_; }
    std::size_t bestUncovered() const { return bestUncovered_; }
    long steps() const { return steps_; }

    // Removes the board whose loss uncovers the fewest K-sets (the first of them on a tie).
    void dropWeakest()
    {
        const std::size_t weakest = cover_.weakest(boards_);
        cover_.remove(boards_[weakest]);
        boards_.erase(boards_.begin() + static_cast<long>(weakest));
        const auto at = addedAt_.begin() + static_cast<long>(weakest * kMaxPool);
        addedAt_.erase(at, at + kMaxPool);
        best_ = boards_;
        bestUncovered_ = cover_.uncoveredCount();
    }

    // Searches until every K-set is covered (true), or until `maxSteps` more steps (when not negative)
    // or `stop` says so (false). `progress` is called every 1024 steps.
    bool run(long maxSteps, const Callbacks &callbacks)
    {
        const long first = steps_;
        while (cover_.uncoveredCount() > 0) {
            if ((steps_ & 1023) == 0) {
                SearchProgress p = progressOf(SearchProgress::Stage::Searching, cover_.uncoveredCount(),
                    bestUncovered_, boards_.size(), steps_);
                p.stalls = stalls_;
                if (!callbacks.carryOn(p))
                    return false;
            }
            if (maxSteps >= 0 && steps_ - first >= maxSteps)
                return false;
            step();
            if (cover_.uncoveredCount() < bestUncovered_) {
                bestUncovered_ = cover_.uncoveredCount();
                best_ = boards_;
            }
        }
        best_ = boards_;
        bestUncovered_ = 0;
        return true;
    }

private:
    static constexpr long kNever = -(1L << 40);

    int pick(std::size_t n)
    {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_));
    }

    void swap(std::size_t j, Mask x, Mask y)
    {
        cover_.applySwap(boards_[j], x, y);
        boards_[j] = (boards_[j] & ~x) | y;
        addedAt_[j * kMaxPool + static_cast<std::size_t>(std::countr_zero(y))] = steps_;
    }

    // Weight newly covered minus weight uncovered if point x of `board` is replaced by y. Only the K-sets
    // made of x (or y), N - 1 other points of the board and K - N points outside the new board change.
    std::int64_t score(Mask board, Mask x, Mask y)
    {
        Mask points[kBoardSize - 1];
        int i = 0;
        for (Mask rest = board & ~x; rest; rest &= rest - 1)
            points[i++] = rest & (~rest + 1);
        outer_.clear();
        subsets(all_ & ~(board | y), k_ - n_, 0, outer_);
        std::int64_t gain = 0;
        for (unsigned pattern : innerPatterns_) {
            Mask a = 0;
            for (unsigned p = pattern; p; p &= p - 1)
                a |= points[std::countr_zero(p)];
            for (Mask b : outer_) {
                const std::uint32_t lost = rankOf(x | a | b), won = rankOf(y | a | b);
                if (cover_.countOf(lost) == 1)
                    gain -= weight_[lost];
                if (cover_.countOf(won) == 0)
                    gain += weight_[won];
            }
        }
        return gain;
    }

    // For N = K, where T \ B is the one point y: the score of every swap x -> y of `board` at once, in
    // boardScore_[i] for x its i-th point. The K-sets lost by removing x are the K-subsets of the board
    // holding x; those won are y with a (K - 1)-subset of the board not holding x. So one pass over the
    // K-subsets and the (K - 1)-subsets of the board (35 + 35 for K = 4) scores all seven points.
    void scoreBoard(Mask board, Mask y)
    {
        Mask points[kBoardSize];
        int i = 0;
        for (Mask rest = board; rest; rest &= rest - 1)
            points[i++] = rest & (~rest + 1);
        std::int64_t lost[kBoardSize] = {}, wonWith[kBoardSize] = {}, won = 0;
        const auto maskOf = [&](unsigned pattern) {
            Mask a = 0;
            for (; pattern; pattern &= pattern - 1)
                a |= points[std::countr_zero(pattern)];
            return a;
        };
        for (unsigned pattern : boardSubsets_) {
            const std::uint32_t r = rankOf(maskOf(pattern));
            if (cover_.countOf(r) == 1)
                for (unsigned p = pattern; p; p &= p - 1)
                    lost[std::countr_zero(p)] += weight_[r];
        }
        for (unsigned pattern : innerSubsets_) {
            const std::uint32_t r = rankOf(maskOf(pattern) | y);
            if (cover_.countOf(r) == 0) {
                won += weight_[r];
                for (unsigned p = pattern; p; p &= p - 1)
                    wonWith[std::countr_zero(p)] += weight_[r];
            }
        }
        for (int p = 0; p < kBoardSize; ++p)
            boardScore_[p] = won - wonWith[p] - lost[p];
    }

    // A local minimum of the weighted cost: every uncovered K-set gets heavier. Every `smooth_` stalls all
    // weights above 1 go down by one, so that old weights fade and the uncovered K-sets of now count most.
    void stall()
    {
        ++stalls_;
        for (std::size_t i = 0; i < cover_.uncoveredCount(); ++i)
            ++weight_[cover_.uncoveredAt(i)];
        if (smooth_ > 0 && stalls_ % smooth_ == 0)
            for (std::uint32_t &w : weight_)
                w -= w > 1;
    }

    void step()
    {
        ++steps_;
        const Mask s = unrank(cover_.uncoveredAt(pick(cover_.uncoveredCount())), k_);
        std::int64_t bestScore = std::numeric_limits<std::int64_t>::min();
        std::size_t bestJ = 0;
        Mask bestX = 0, bestY = 0;
        int ties = 0;
        bool near = false;
        for (std::size_t j = 0; j < boards_.size(); ++j) {
            const Mask board = boards_[j];
            if (std::popcount(board & s) != n_ - 1)
                continue;
            near = true;
            if (n_ == k_)
                scoreBoard(board, s & ~board);
            for (Mask out = board & ~s; out; out &= out - 1) {
                const Mask x = out & (~out + 1);
                if (steps_ - addedAt_[j * kMaxPool + static_cast<std::size_t>(std::countr_zero(x))] <= tabu_)
                    continue;
                for (Mask in = s & ~board; in; in &= in - 1) {
                    const Mask y = in & (~in + 1);
                    const std::int64_t gain
                        = n_ == k_ ? boardScore_[std::popcount(board & (x - 1))] : score(board, x, y);
                    if (gain > bestScore) {
                        bestScore = gain;
                        ties = 1;
                        bestJ = j, bestX = x, bestY = y;
                    } else if (gain == bestScore && pick(++ties) == 0) {
                        bestJ = j, bestX = x, bestY = y;
                    }
                }
            }
        }
        if (!near) {
            // No board is one point short of S: move a random board one point toward it.
            const std::size_t j = static_cast<std::size_t>(pick(boards_.size()));
            const Mask out = boards_[j] & ~s, in = s & ~boards_[j];
            swap(j, nthBit(out, pick(std::popcount(out))), nthBit(in, pick(std::popcount(in))));
            return;
        }
        // The best swap is made even when it loses: the weights just raised make the K-sets it leaves
        // uncovered the next ones to pull.
        if (ties == 0 || bestScore <= 0)
            stall();
        if (ties > 0)
            swap(bestJ, bestX, bestY);
    }

    int n_, k_;
    Mask all_;
    long tabu_, smooth_;
    Cover cover_;
    std::vector<std::uint32_t> weight_;
    std::mt19937_64 rng_;
    std::vector<unsigned> innerPatterns_, boardSubsets_, innerSubsets_;
    std::int64_t boardScore_[kBoardSize] = {};
    std::vector<Mask> outer_;
    std::vector<Mask> boards_, best_;
    std::vector<long> addedAt_; // step at which point p joined board j: addedAt_[j * kMaxPool + p]
    std::size_t bestUncovered_ = 0;
    long steps_ = 0, stalls_ = 0;
};

class Search {
public:
    Search(int n, int k, int m, const SearchRequest &request, const Callbacks &callbacks)
        : n_(n)
        , k_(k)
        , m_(m)
        , all_((1u << m) - 1)
        , opt_(request)
        , callbacks_(callbacks)
        , rng_(request.seed)
    {
    }

    Mask randomBoard()
    {
        Mask b = 0;
        while (std::popcount(b) < kBoardSize)
            b |= 1u << std::uniform_int_distribution<int>(0, m_ - 1)(rng_);
        return b;
    }

    // A board holding n random points of the K-set s, the rest random.
    Mask boardAround(Mask s)
    {
        Mask b = 0;
        while (std::popcount(b) < n_)
            b |= nthBit(s, pick(k_));
        while (std::popcount(b) < kBoardSize)
            b |= 1u << pick(m_);
        return b;
    }

    // A board holding n points of a random uncovered K-set (or a random board when all are covered).
    Mask candidateBoard(Cover &c)
    {
        if (c.uncoveredCount() == 0)
            return randomBoard();
        return boardAround(unrank(c.uncoveredAt(pick(c.uncoveredCount())), k_));
    }

    // Greedy: add the best of a few candidate boards until all K-sets are covered or `limit` boards exist.
    // With `mayStop`, it also ends, with fewer boards, when the caller asks (a Cancel).
    void greedy(Cover &c, std::vector<Mask> &boards, int limit, bool mayStop = false)
    {
        std::uint64_t perBoard = 0;
        for (int t = n_; t <= std::min(k_, kBoardSize); ++t)
            if (k_ - t <= m_ - kBoardSize)
                perBoard += binom[kBoardSize][t] * binom[m_ - kBoardSize][k_ - t];
        const int tries
            = static_cast<int>(std::clamp<std::uint64_t>(200000000ull / (perBoard * limit + 1), 3, 60));
        while (static_cast<int>(boards.size()) < limit && c.uncoveredCount() > 0) {
            if (mayStop && callbacks_.stopped())
                return;
            Mask best = 0;
            long bestGain = -1;
            for (int i = 0; i < tries; ++i) {
                const Mask b = candidateBoard(c);
                const long g = c.gain(b);
                if (g > bestGain) {
                    bestGain = g;
                    best = b;
                }
            }
            c.add(best);
            boards.push_back(best);
        }
    }

    // Simulated annealing on a fixed number of boards; returns true when no K-set is left uncovered.
    bool anneal(Cover &c, std::vector<Mask> &boards, std::vector<Mask> &best, std::size_t &bestUncovered,
        long maxMoves = -1)
    {
        const long firstMove = moves_;
        double t = opt_.t0;
        long sinceProgress = 0;
        long restarts = 0;
        std::vector<int> near;
        best = boards;
        bestUncovered = c.uncoveredCount();
        while (c.uncoveredCount() > 0) {
            if ((moves_ & 1023) == 0) {
                SearchProgress p = progressOf(SearchProgress::Stage::Searching, c.uncoveredCount(),
                    bestUncovered, boards.size(), moves_);
                p.restarts = restarts;
                p.temperature = t;
                if (!callbacks_.carryOn(p))
                    return false;
            }
            if (maxMoves >= 0 && moves_ - firstMove >= maxMoves)
                return false;
            ++moves_;
            const Mask s = unrank(c.uncoveredAt(pick(c.uncoveredCount())), k_);
            near.clear();
            for (std::size_t i = 0; i < boards.size(); ++i)
                if (std::popcount(boards[i] & s) == n_ - 1)
                    near.push_back(static_cast<int>(i));
            int j = 0;
            Mask x = 0, y = 0;
            long delta;
            if (near.empty()
                || (opt_.walk > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) < opt_.walk)) {
                // No board one point short of S, or a random walk step: any board, any swap toward S.
                j = pick(boards.size());
                x = nthBit(boards[j] & ~s, pick(std::popcount(boards[j] & ~s)));
                y = nthBit(s & ~boards[j], pick(std::popcount(s & ~boards[j])));
                delta = c.swapDelta(boards[j], x, y);
            } else if (opt_.exhaustive) {
                delta = bestSwap(c, boards, near, s, j, x, y);
            } else {
                j = near[pick(near.size())];
                x = nthBit(boards[j] & ~s, pick(std::popcount(boards[j] & ~s)));
                y = nthBit(s & ~boards[j], pick(std::popcount(s & ~boards[j])));
                delta = c.swapDelta(boards[j], x, y);
            }
            if (delta <= 0 || std::uniform_real_distribution<double>(0, 1)(rng_) < std::exp(-delta / t)) {
                c.applySwap(boards[j], x, y);
                boards[j] = (boards[j] & ~x) | y;
                if (c.uncoveredCount() < bestUncovered) {
                    bestUncovered = c.uncoveredCount();
                    best = boards;
                    sinceProgress = 0;
                }
            }
            if (moves_ % opt_.steps == 0) {
                t *= opt_.cool;
                if (t < opt_.tmin)
                    t = opt_.t0;
            }
            if (opt_.restart > 0 && ++sinceProgress > opt_.restart) {
                // Fast restart: a fresh greedy table with the same number of boards.
                const std::size_t size = boards.size();
                for (Mask b : boards)
                    c.remove(b);
                boards.clear();
                greedy(c, boards, static_cast<int>(size));
                while (boards.size() < size) {
                    boards.push_back(randomBoard());
                    c.add(boards.back());
                }
                t = opt_.t0;
                sinceProgress = 0;
                ++restarts;
            }
        }
        best = boards;
        bestUncovered = 0;
        return true;
    }

    // Search over base boards whose orbits under `group` make the table. Greedy base boards, then
    // annealing for `maxMoves` moves: pick an uncovered K-set S and an image of a base board one point
    // short of it, and make the swap that brings that image onto S in the base board, that is in all
    // its images at once. Stops early when every K-set is covered; `best` holds the base boards that
    // left the fewest K-sets uncovered.
    bool orbitAnneal(OrbitCover &c, const CyclicGroup &group, std::vector<Mask> &base,
        std::vector<Mask> &best, std::size_t &bestUncovered, long maxMoves)
    {
        const int q = group.order();
        auto candidate = [&] {
            if (c.uncoveredCount() == 0)
                return randomBoard();
            return boardAround(unrank(c.uncoveredAt(pick(c.uncoveredOrbits())), k_));
        };
        const int tries = 20;
        while (base.size() < static_cast<std::size_t>(opt_.orbitBase) && c.uncoveredCount() > 0) {
            Mask bestBoard = 0;
            long bestGain = -1;
            for (int i = 0; i < tries; ++i) {
                const Mask b = candidate();
                const std::size_t before = c.uncoveredCount();
                c.add(b);
                const long g = static_cast<long>(before - c.uncoveredCount());
                c.remove(b);
                if (g > bestGain) {
                    bestGain = g;
                    bestBoard = b;
                }
            }
            base.push_back(bestBoard);
            c.add(bestBoard);
        }
        while (base.size() < static_cast<std::size_t>(opt_.orbitBase)) {
            base.push_back(randomBoard());
            c.add(base.back());
        }
        best = base;
        bestUncovered = c.uncoveredCount();
        double t = opt_.orbitT0;
        std::vector<std::pair<int, int>> near; // (base board, power of the generator)
        for (long move = 0; move < maxMoves && c.uncoveredCount() > 0; ++move) {
            if ((move & 1023) == 0) {
                SearchProgress p = progressOf(
                    SearchProgress::Stage::OrbitSearch, c.uncoveredCount(), bestUncovered, base.size(), move);
                p.temperature = t;
                if (!callbacks_.carryOn(p))
                    break;
            }
            const Mask s = unrank(c.uncoveredAt(pick(c.uncoveredOrbits())), k_);
            near.clear();
            for (std::size_t i = 0; i < base.size(); ++i)
                for (int p = 0; p < q; ++p)
                    if (std::popcount(group.image(base[i], p) & s) == n_ - 1)
                        near.emplace_back(static_cast<int>(i), p);
            int i, p;
            if (near.empty()) {
                i = pick(base.size());
                p = pick(q);
            } else {
                std::tie(i, p) = near[pick(near.size())];
            }
            // Swap x -> y on image p brings it toward S; in the base board that is the swap of their
            // preimages.
            const Mask img = group.image(base[i], p);
            const Mask x = nthBit(img & ~s, pick(std::popcount(img & ~s)));
            const Mask y = nthBit(s & ~img, pick(std::popcount(s & ~img)));
            const Mask x0 = group.image(x, (q - p) % q), y0 = group.image(y, (q - p) % q);
            const std::size_t before = c.uncoveredCount();
            c.applySwap(base[i], x0, y0);
            const Mask moved = (base[i] & ~x0) | y0;
            const long delta = static_cast<long>(c.uncoveredCount()) - static_cast<long>(before);
            if (delta <= 0 || std::uniform_real_distribution<double>(0, 1)(rng_) < std::exp(-delta / t)) {
                base[i] = moved;
                if (c.uncoveredCount() < bestUncovered) {
                    bestUncovered = c.uncoveredCount();
                    best = base;
                }
            } else {
                c.applySwap(moved, y0, x0);
            }
            t *= opt_.orbitCool;
            if (t < opt_.orbitTmin)
                t = opt_.orbitT0;
        }
        return bestUncovered == 0;
    }

    long moves() const { return moves_; }
    std::mt19937_64 &rng() { return rng_; }

    int pick(std::size_t n)
    {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_));
    }

private:
    long bestSwap(Cover &c, const std::vector<Mask> &boards, const std::vector<int> &near, Mask s, int &j,
        Mask &x, Mask &y)
    {
        long best = 1L << 40;
        int ties = 0;
        for (int i : near) {
            for (Mask out = boards[i] & ~s; out; out &= out - 1) {
                const Mask xi = out & (~out + 1);
                for (Mask in = s & ~boards[i]; in; in &= in - 1) {
                    const Mask yi = in & (~in + 1);
                    const long d = c.swapDelta(boards[i], xi, yi);
                    if (d < best) {
                        best = d;
                        ties = 1;
                        j = i, x = xi, y = yi;
                    } else if (d == best && pick(++ties) == 0) {
                        j = i, x = xi, y = yi;
                    }
                }
            }
        }
        return best;
    }

    int n_, k_, m_;
    Mask all_;
    SearchRequest opt_;
    const Callbacks &callbacks_;
    std::mt19937_64 rng_;
    long moves_ = 0;
};

// Brings a covering up to exactly g distinct boards. Extra boards are chosen greedily to cover the most
// K-sets of the next level: N+1 if K when N < K, otherwise N if K+1. The first extra boards take in
// any position that no board uses yet.
void pad(int n, int k, int m, int g, std::vector<Mask> &boards, Search &search)
{
    std::sort(boards.begin(), boards.end());
    boards.erase(std::unique(boards.begin(), boards.end()), boards.end());
    if (static_cast<int>(boards.size()) >= g)
        return;
    int nextN = n, nextK = k;
    if (n < k)
        nextN = n + 1;
    else if (k < m)
        nextK = k + 1;
    Cover next(nextN, nextK, m);
    for (Mask b : boards)
        next.add(b);
    const Mask all = (1u << m) - 1;
    while (static_cast<int>(boards.size()) < g) {
        Mask used = 0;
        for (Mask b : boards)
            used |= b;
        const Mask unused = all & ~used;
        Mask best = 0;
        long bestGain = -1;
        for (int i = 0; i < 200; ++i) {
            Mask b = 0;
            for (Mask u = unused; u && std::popcount(b) < kBoardSize; u &= u - 1)
                b |= u & (~u + 1);
            Mask c = next.uncoveredCount()
                ? unrank(next.uncoveredAt(search.pick(next.uncoveredCount())), nextK)
                : 0;
            while (c && std::popcount(b) < kBoardSize) {
                b |= nthBit(c, search.pick(std::popcount(c)));
                c &= ~b;
            }
            while (std::popcount(b) < kBoardSize)
                b |= 1u << search.pick(m);
            if (std::find(boards.begin(), boards.end(), b) != boards.end())
                continue;
            const long gain = next.gain(b);
            if (gain > bestGain) {
                bestGain = gain;
                best = b;
            }
        }
        if (bestGain < 0)
            continue;
        boards.push_back(best);
        next.add(best);
    }
}

// Smallest N-if-N covering of `size` points found in a short search: greedy, then one board fewer
// at a time while annealing succeeds within 300,000 moves (a move limit, not a time limit, so that
// the result does not depend on the machine).
std::vector<Mask> coverGroup(
    int n, int size, const SearchRequest &request, const Callbacks &callbacks, std::uint64_t seed)
{
    if (size <= kBoardSize)
        return { (1u << size) - 1 };
    SearchRequest so = request;
    so.seed = seed;
    so.restart = 0;
    so.exhaustive = false;
    so.t0 = 0.6, so.tmin = 0.02, so.cool = 0.999, so.steps = 100;
    const Callbacks quiet { callbacks.stop, {} };
    Search sub(n, n, size, so, quiet);
    std::vector<Mask> best;
    {
        Cover c(n, n, size);
        sub.greedy(c, best, 1 << 20);
    }
    while (best.size() > 1) {
        std::vector<Mask> boards(best.begin(), best.end() - 1), result;
        Cover c(n, n, size);
        for (Mask b : boards)
            c.add(b);
        std::size_t left = 0;
        if (!sub.anneal(c, boards, result, left, 300000))
            break;
        best = result;
    }
    return best;
}

// Too many boards: drops, one at a time, the board whose removal uncovers the fewest K-sets.
void dropWeakest(Cover &cover, std::vector<Mask> &boards, int target)
{
    while (static_cast<int>(boards.size()) > target) {
        const std::size_t weakest = cover.weakest(boards);
        cover.remove(boards[weakest]);
        boards.erase(boards.begin() + static_cast<long>(weakest));
    }
}

// A group smaller than a board is completed with the lowest positions outside it.
Mask fillBoard(Mask b, Mask all)
{
    for (Mask rest = all & ~b; std::popcount(b) < kBoardSize; rest &= rest - 1)
        b |= rest & (~rest + 1);
    return b;
}

} // namespace

WheelSearchResult searchCovering(const SearchRequest &request, const std::function<bool()> &stop,
    const std::function<void(const SearchProgress &)> &progress)
{
    static std::once_flag tablesReady; // the rank tables are constant once built
    std::call_once(tablesReady, initBinomials);
    const Callbacks callbacks { stop, progress };
    const int n = request.guarantee, k = request.condition, m = request.poolSize, target = request.boards;
    WheelSearchResult result;
    Search search(n, k, m, request, callbacks);
    std::vector<Mask> boards;
    int reached = 0;
    bool solved = false;
    const Mask all = (1u << m) - 1;
    long steps = 0; // steps of the weighted search
    const auto reportStage = [&](SearchProgress::Stage stage, std::size_t uncovered) {
        callbacks.report(progressOf(stage, uncovered, uncovered, boards.size(), search.moves() + steps));
    };

    if (n == kBoardSize && k == kBoardSize) {
        // Full wheel: every 7-subset of the pool.
        subsets(all, kBoardSize, 0, boards);
        solved = true;
    } else if (kBoardSize * target == m) {
        // Disjoint boards: any K drawn numbers put at least N into one board when K > G (N - 1).
        for (int i = 0; i < target; ++i)
            boards.push_back(((1u << kBoardSize) - 1) << (kBoardSize * i));
        Cover cover(n, k, m);
        for (Mask b : boards)
            cover.add(b);
        solved = cover.uncoveredCount() == 0;
        if (!solved)
            boards.clear();
    }

    if (!solved) {
        Cover cover(n, k, m);
        if (!request.startBoards.isEmpty()) {
            boards.assign(request.startBoards.cbegin(), request.startBoards.cend());
            for (Mask b : boards)
                cover.add(b);
            dropWeakest(cover, boards, target);
        } else if (!request.groups.isEmpty()) {
            // K drawn numbers spread over the groups put at least N into one group when K > (N-1) x groups,
            // so N-if-N coverings of every group together cover all K-sets.
            int offset = 0;
            for (int size : request.groups) {
                for (Mask b : coverGroup(n, size, request, callbacks, search.rng()()))
                    boards.push_back(size >= kBoardSize ? b << offset : fillBoard(b << offset, all));
                offset += size;
            }
            for (Mask b : boards)
                cover.add(b);
            reportStage(SearchProgress::Stage::Start, cover.uncoveredCount());
            dropWeakest(cover, boards, target);
        } else if (request.orbit > 0) {
            const CyclicGroup group(request.orbit, request.orbitCycles, m);
            std::vector<Mask> base, bestBase;
            std::size_t orbitUncovered = 0;
            {
                OrbitCover orbitCover(n, k, m, group);
                search.orbitAnneal(orbitCover, group, base, bestBase, orbitUncovered, request.orbitMoves);
            }
            boards = group.orbits(bestBase);
            result.orbitStart = QList<BoardMask>(boards.cbegin(), boards.cend());
            reportStage(SearchProgress::Stage::Start, orbitUncovered);
            for (Mask b : boards)
                cover.add(b);
            dropWeakest(cover, boards, target);
        }
        if (static_cast<int>(boards.size()) < target)
            search.greedy(cover, boards, target, true);
        reached = static_cast<int>(boards.size());
        std::vector<Mask> best;
        std::size_t bestUncovered = cover.uncoveredCount();
        if (cover.uncoveredCount() == 0) {
            solved = true;
            best = boards;
        } else {
            while (static_cast<int>(boards.size()) < target) {
                boards.push_back(search.randomBoard());
                cover.add(boards.back());
            }
            reached = target;
            if (request.weighted) {
                WeightedSearch weighted(
                    n, k, m, request.seed, static_cast<int>(request.tabu), request.smooth);
                weighted.setBoards(boards);
                solved = weighted.run(-1, callbacks);
                best = weighted.best();
                bestUncovered = weighted.bestUncovered();
                steps += weighted.steps();
            } else {
                solved = search.anneal(cover, boards, best, bestUncovered);
            }
        }
        boards = best;
        if (!solved) {
            result.stopped = true;
            result.boards = QList<BoardMask>(boards.cbegin(), boards.cend());
            result.uncovered = static_cast<qsizetype>(bestUncovered);
            result.moves = search.moves() + steps;
            return result;
        }
        std::sort(boards.begin(), boards.end());
        reached = static_cast<int>(std::unique(boards.begin(), boards.end()) - boards.begin());
    } else {
        reached = static_cast<int>(boards.size());
    }

    if (request.minimiseMoves > 0) {
        // Fewest boards: drop the board whose loss uncovers the fewest K-sets and cover again, as long as
        // each attempt succeeds within its move budget and the caller does not stop. The smallest
        // covering found is kept as it is.
        std::sort(boards.begin(), boards.end());
        boards.erase(std::unique(boards.begin(), boards.end()), boards.end());
        if (request.weighted) {
            WeightedSearch weighted(n, k, m, request.seed, static_cast<int>(request.tabu), request.smooth);
            weighted.setBoards(boards);
            const long before = steps;
            while (static_cast<int>(boards.size()) > request.downTo) {
                weighted.dropWeakest();
                const bool ok = weighted.run(request.minimiseMoves, callbacks);
                steps = before + weighted.steps();
                if (!ok)
                    break;
                boards = weighted.boards();
                reportStage(SearchProgress::Stage::Covered, 0);
            }
        } else {
            Cover cover(n, k, m);
            for (Mask b : boards)
                cover.add(b);
            std::vector<Mask> trial = boards, best;
            while (static_cast<int>(trial.size()) > request.downTo) {
                dropWeakest(cover, trial, static_cast<int>(trial.size()) - 1);
                std::size_t left = 0;
                if (!search.anneal(cover, trial, best, left, request.minimiseMoves))
                    break;
                boards = trial;
                reportStage(SearchProgress::Stage::Covered, 0);
            }
        }
        reached = static_cast<int>(boards.size());
    }

    pad(n, k, m, request.padTo > 0 ? request.padTo : static_cast<int>(boards.size()), boards, search);
    std::sort(boards.begin(), boards.end(), [](Mask a, Mask b) { return wheelLetters(a) < wheelLetters(b); });
    result.covered = true;
    result.stopped = callbacks.stopped();
    result.boards = QList<BoardMask>(boards.cbegin(), boards.cend());
    result.reached = reached;
    result.moves = search.moves() + steps;
    return result;
}

} // namespace quillon
