// SPDX-License-Identifier: GPL-3.0-or-later
// wheelgen: searches a wheel table for one catalogue system.
//
// A table of system N-K-M-G is G boards of 7 positions out of 1 ... M such that every K-subset of
// positions meets some board in at least N positions. The search keeps, for every K-subset (indexed by
// colex rank), how many boards cover it, plus the list of uncovered ones. It starts from a greedy table
// and runs simulated annealing: pick an uncovered K-set S, a board one point short of covering it, and
// swap a point of the board outside S for a point of S outside it. A swap x -> y only changes the
// K-sets made of x (or y), N-1 other points of the board and K-N points outside it, so its cost change
// is counted from those alone. A solved table is padded to exactly G distinct boards, proven with the
// exhaustive check and written in the table format.

#include "catalogue_source.h"
#include "cli.h"
#include "core/wheels/wheelcheck.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Mask = std::uint32_t;
constexpr int kBoardSize = 7;
constexpr int kMaxPool = 30;

constexpr int kMaxSet = kBoardSize + 1; // largest set ranked: K, or K + 1 when padding
constexpr int kLowBits = 16;
std::uint64_t binom[kMaxPool + 1][kMaxSet + 1];
// Colex rank of a set of at most kMaxSet positions, in two lookups: the part below position 16, and
// the part above it given how many positions lie below.
std::vector<std::uint32_t> lowRank, highRank;

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
        lowRank[low] = partRank(low, 0, 0);
    highRank.resize((kMaxSet + 1) * highCount);
    for (int below = 0; below <= kMaxSet; ++below)
        for (Mask high = 0; high < highCount; ++high)
            highRank[below * highCount + high] = partRank(high, kLowBits, below);
}

inline std::uint32_t rankOf(Mask s)
{
    const Mask low = s & ((1u << kLowBits) - 1);
    return lowRank[low] + highRank[(static_cast<std::size_t>(std::popcount(low)) << (kMaxPool - kLowBits)) + (s >> kLowBits)];
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

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double now()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

struct Options {
    int system = 0;
    std::uint64_t seed = 1;
    double seconds = 60;
    double t0 = 0.6;          // start temperature of each annealing cycle
    double tmin = 0.02;       // a cycle ends (and reheats) below this temperature
    double cool = 0.999;      // temperature factor applied every `steps` moves
    double tscale = 1;        // multiplies t0 and tmin: swaps that move thousands of K-sets need a hotter schedule
    long steps = 100;         // moves per temperature step
    long restart = 0;         // restart from a fresh greedy table after this many moves without progress (0: never)
    bool exhaustiveMoves = false; // evaluate every swap for the chosen K-set and take the best
    double walk = 0;          // share of moves that swap a random board toward S instead of a near one
    int boards = 0;           // search with this many boards (default G)
    std::string resume;       // start from this saved state
    std::string state;        // save the best state here when the search stops unsolved
    std::string out;          // write the proven table here
    std::vector<int> groups;  // start from the union of N-if-N coverings of consecutive groups of these sizes
    int orbit = 0;            // order q of the cyclic group whose orbits make the start (0: no orbit start)
    int cycles = -1;          // cycles of q points the group turns (default: as many as fit)
    int fixed = -1;           // points the group leaves fixed (default: M - cycles x q)
    int base = 0;             // base boards of the orbit start
    long orbitMoves = 200000; // moves of the orbit search (a move count, so that a seed gives one result)
    double orbitT0 = 30;      // the orbit search's start temperature: one move changes q boards
    double orbitTmin = 3;
    double orbitCool = 0.999; // applied every move
    long minimiseMoves = 0;   // after covering, drop boards one at a time while this many moves re-cover
    int downTo = 1;           // minimising stops at this many boards
    bool weighted = false;    // clause-weighting search instead of annealing
    long tabu = 1;            // steps a point just added to a board must stay there (weighted search)
    long smooth = 0;          // weighted search: weights above 1 go down by one every this many stalls (0: never)
    bool quiet = false;
};

// The cyclic group Z_q acting on the positions: `cycles` cycles of q positions each (position i of
// cycle j is point j*q + i and goes to j*q + (i + 1) mod q), the remaining positions fixed.
class CyclicGroup {
public:
    CyclicGroup(int q, int cycles, int m) : q_(q), image_(static_cast<std::size_t>(q) * m)
    {
        for (int t = 0; t < q; ++t)
            for (int p = 0; p < m; ++p)
                image_[static_cast<std::size_t>(t) * m + p] = p < cycles * q ? 1u << (p / q * q + (p % q + t) % q) : 1u << p;
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
    KSetWalk(int n, int k, int m) : n_(n), k_(k), m_(m), all_((1u << m) - 1) {}

    // Calls f(rank) for every K-set that `board` meets in at least n positions.
    template <typename F>
    void forCovered(Mask board, F &&f)
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

// Cover counts of all K-sets under a list of boards.
class Cover : public KSetWalk {
public:
    Cover(int n, int k, int m)
        : KSetWalk(n, k, m), count_(binom[m][k], 0), where_(binom[m][k], -1)
    {
        uncovered_.reserve(count_.size());
        for (std::uint32_t r = 0; r < count_.size(); ++r) {
            where_[r] = static_cast<std::int32_t>(uncovered_.size());
            uncovered_.push_back(r);
        }
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
    void removeUncovered(std::uint32_t r)
    {
        const std::int32_t i = where_[r];
        const std::uint32_t last = uncovered_.back();
        uncovered_[i] = last;
        where_[last] = i;
        uncovered_.pop_back();
        where_[r] = -1;
    }

    void addUncovered(std::uint32_t r)
    {
        where_[r] = static_cast<std::int32_t>(uncovered_.size());
        uncovered_.push_back(r);
    }

    std::vector<std::uint16_t> count_;
    std::vector<std::int32_t> where_;
    std::vector<std::uint32_t> uncovered_;
};

// Cover counts of the K-sets under a table made of whole orbits of base boards. Such a table covers
// all K-sets of one orbit equally often, so one count per K-set orbit suffices: a base board that covers
// a K-set S adds q / |orbit of S| to the count of S's orbit (its q images cover the |orbit| K-sets
// that many times each). A swap in a base board, which is the same swap in all its images, therefore
// costs what a swap in one board costs. uncoveredCount() counts K-sets, not orbits.
class OrbitCover : public KSetWalk {
public:
    OrbitCover(int n, int k, int m, const CyclicGroup &group) : KSetWalk(n, k, m)
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
        where_.assign(rep_.size(), -1);
        for (std::uint32_t o = 0; o < rep_.size(); ++o) {
            where_[o] = static_cast<std::int32_t>(uncovered_.size());
            uncovered_.push_back(o);
        }
        uncoveredSets_ = total;
    }

    std::size_t uncoveredCount() const { return uncoveredSets_; }
    std::size_t uncoveredOrbits() const { return uncovered_.size(); }
    // Rank of a representative of the i-th uncovered orbit.
    std::uint32_t uncoveredAt(std::size_t i) const { return rep_[uncovered_[i]]; }

    // Adds or removes the orbit of `board`.
    void add(Mask board) { forCovered(board, [&](std::uint32_t r) { change(orbitOf_[r], 1); }); }
    void remove(Mask board) { forCovered(board, [&](std::uint32_t r) { change(orbitOf_[r], -1); }); }

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
            const std::int32_t i = where_[o];
            const std::uint32_t last = uncovered_.back();
            uncovered_[i] = last;
            where_[last] = i;
            uncovered_.pop_back();
            where_[o] = -1;
            uncoveredSets_ -= size_[o];
        } else if (count_[o] == 0) {
            where_[o] = static_cast<std::int32_t>(uncovered_.size());
            uncovered_.push_back(static_cast<std::uint32_t>(o));
            uncoveredSets_ += size_[o];
        }
    }

    std::vector<std::int32_t> orbitOf_;
    std::vector<std::uint32_t> rep_;
    std::vector<std::uint8_t> size_, share_;
    std::vector<std::int32_t> count_, where_;
    std::vector<std::uint32_t> uncovered_;
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
// points of the board and K - N points outside it (20 + 20 for N = K = 4), never a pass over all
// K-sets. Deterministic for a seed: a deadline only decides when to give up.
class WeightedSearch {
public:
    struct Progress {
        std::size_t uncovered, best, boards;
        long steps, stalls;
    };

    WeightedSearch(int n, int k, int m, std::uint64_t seed, int tabu, long smooth)
        : n_(n), k_(k), all_((1u << m) - 1), tabu_(tabu), smooth_(smooth), cover_(n, k, m), weight_(binom[m][k], 1), rng_(seed)
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
    // or the deadline has passed (false). `progress` is called about every 5 s.
    bool run(long maxSteps, double deadline, const std::function<void(const Progress &)> &progress = {})
    {
        const long first = steps_;
        double nextReport = now() + 2;
        while (cover_.uncoveredCount() > 0) {
            if ((steps_ & 1023) == 0) {
                const double t = now();
                if (t > deadline)
                    return false;
                if (progress && t >= nextReport) {
                    progress({cover_.uncoveredCount(), bestUncovered_, boards_.size(), steps_, stalls_});
                    nextReport = t + 5;
                }
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

    int pick(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_)); }

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
                    const std::int64_t gain = n_ == k_ ? boardScore_[std::popcount(board & (x - 1))] : score(board, x, y);
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
    Search(int n, int k, int m, const Options &o) : n_(n), k_(k), m_(m), all_((1u << m) - 1), opt_(o), rng_(o.seed) {}

    Mask randomBoard()
    {
        Mask b = 0;
        while (std::popcount(b) < kBoardSize)
            b |= 1u << std::uniform_int_distribution<int>(0, m_ - 1)(rng_);
        return b;
    }

    // A board holding n points of a random uncovered K-set (or a random board when all are covered).
    Mask candidateBoard(Cover &c)
    {
        if (c.uncoveredCount() == 0)
            return randomBoard();
        Mask s = unrank(c.uncoveredAt(pick(c.uncoveredCount())), k_);
        Mask b = 0;
        while (std::popcount(b) < n_)
            b |= nthBit(s, pick(k_));
        while (std::popcount(b) < kBoardSize)
            b |= 1u << pick(m_);
        return b;
    }

    // Greedy: add the best of a few candidate boards until all K-sets are covered or `limit` boards exist.
    void greedy(Cover &c, std::vector<Mask> &boards, int limit)
    {
        std::uint64_t perBoard = 0;
        for (int t = n_; t <= std::min(k_, kBoardSize); ++t)
            if (k_ - t <= m_ - kBoardSize)
                perBoard += binom[kBoardSize][t] * binom[m_ - kBoardSize][k_ - t];
        const int tries = static_cast<int>(std::clamp<std::uint64_t>(200000000ull / (perBoard * limit + 1), 3, 60));
        while (static_cast<int>(boards.size()) < limit && c.uncoveredCount() > 0) {
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
    bool anneal(Cover &c, std::vector<Mask> &boards, std::vector<Mask> &best, std::size_t &bestUncovered, double deadline,
                long maxMoves = -1)
    {
        const long firstMove = moves_;
        const double start = now();
        double nextReport = start + 2;
        double t = opt_.t0;
        long sinceProgress = 0;
        long restarts = 0;
        std::vector<int> near;
        best = boards;
        bestUncovered = c.uncoveredCount();
        while (c.uncoveredCount() > 0) {
            if ((moves_ & 1023) == 0) {
                const double tnow = now();
                if (tnow > deadline)
                    return false;
                if (!opt_.quiet && tnow >= nextReport) {
                    std::fprintf(stderr, "system %d: %zu uncovered (best %zu), %zu boards, %.0f s, %ld moves, T %.3f, restarts %ld\n",
                                 opt_.system, c.uncoveredCount(), bestUncovered, boards.size(), tnow - start0_, moves_, t, restarts);
                    nextReport = tnow + 5;
                }
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
            if (near.empty() || (opt_.walk > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) < opt_.walk)) {
                // No board one point short of S, or a random walk step: any board, any swap toward S.
                j = pick(boards.size());
                x = nthBit(boards[j] & ~s, pick(std::popcount(boards[j] & ~s)));
                y = nthBit(s & ~boards[j], pick(std::popcount(s & ~boards[j])));
                delta = c.swapDelta(boards[j], x, y);
            } else if (opt_.exhaustiveMoves) {
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
    bool orbitAnneal(OrbitCover &c, const CyclicGroup &group, std::vector<Mask> &base, std::vector<Mask> &best,
                     std::size_t &bestUncovered, long maxMoves)
    {
        const int q = group.order();
        auto candidate = [&] {
            if (c.uncoveredCount() == 0)
                return randomBoard();
            const Mask s = unrank(c.uncoveredAt(pick(c.uncoveredOrbits())), k_);
            Mask b = 0;
            while (std::popcount(b) < n_)
                b |= nthBit(s, pick(k_));
            while (std::popcount(b) < kBoardSize)
                b |= 1u << pick(m_);
            return b;
        };
        const int tries = 20;
        while (base.size() < static_cast<std::size_t>(opt_.base) && c.uncoveredCount() > 0) {
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
        while (base.size() < static_cast<std::size_t>(opt_.base)) {
            base.push_back(randomBoard());
            c.add(base.back());
        }
        best = base;
        bestUncovered = c.uncoveredCount();
        double t = opt_.orbitT0;
        double nextReport = now() + 2;
        std::vector<std::pair<int, int>> near; // (base board, power of the generator)
        for (long move = 0; move < maxMoves && c.uncoveredCount() > 0; ++move) {
            if ((move & 255) == 0 && !opt_.quiet) {
                const double tnow = now();
                if (tnow >= nextReport) {
                    std::fprintf(stderr, "system %d: orbit search: %zu uncovered (best %zu), %zu base boards, %.0f s, %ld of %ld moves, T %.2f\n",
                                 opt_.system, c.uncoveredCount(), bestUncovered, base.size(), tnow - start0_, move, maxMoves, t);
                    nextReport = tnow + 5;
                }
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
    void setStart(double t) { start0_ = t; }
    std::mt19937_64 &rng() { return rng_; }

    int pick(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_)); }

private:
    long bestSwap(Cover &c, const std::vector<Mask> &boards, const std::vector<int> &near, Mask s, int &j, Mask &x, Mask &y)
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
    Options opt_;
    std::mt19937_64 rng_;
    long moves_ = 0;
    double start0_ = 0;
};

std::string letters(Mask b) { return quillon::wheelLetters(b); }

Mask parseBoard(const std::string &line)
{
    Mask b = 0;
    for (char ch : line)
        if (ch >= 'A' && ch <= 'A' + kMaxPool - 1)
            b |= 1u << (ch - 'A');
    return b;
}

bool readBoards(const std::string &path, std::vector<Mask> &boards)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#') {
            const Mask b = parseBoard(line);
            if (std::popcount(b) == kBoardSize)
                boards.push_back(b);
        }
    return true;
}

bool writeBoards(const std::string &path, const std::vector<Mask> &boards)
{
    std::ofstream out(path, std::ios::binary);
    for (Mask b : boards)
        out << letters(b) << '\n';
    return static_cast<bool>(out);
}

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
            Mask c = next.uncoveredCount() ? unrank(next.uncoveredAt(search.pick(next.uncoveredCount())), nextK) : 0;
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
std::vector<Mask> coverGroup(int n, int size, const Options &o, std::uint64_t seed)
{
    if (size <= kBoardSize)
        return {(1u << size) - 1};
    Options so = o;
    so.quiet = true;
    so.seed = seed;
    so.restart = 0;
    so.exhaustiveMoves = false;
    so.t0 = 0.6, so.tmin = 0.02, so.cool = 0.999, so.steps = 100;
    Search sub(n, n, size, so);
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
        if (!sub.anneal(c, boards, result, left, now() + 3600, 300000))
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

// Reads the command line into o; returns -1 to go on, otherwise the exit status (0 after --help, 2 on bad usage).
int parseArguments(int argc, char **argv, Options &o)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Searches a table for catalogue system SYSTEM (1 ... 124) with at most G boards, pads it to\n"
        "exactly G distinct boards, proves it and writes it."));
    p.addPositionalArgument(QStringLiteral("SYSTEM"), QStringLiteral("catalogue index of the system"));
    p.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")},
        {QStringLiteral("seed"), QStringLiteral("Random seed (default 1); same seed and options give the same table."), QStringLiteral("S")},
        {QStringLiteral("seconds"), QStringLiteral("Stop after T seconds (default 60)."), QStringLiteral("T")},
        {QStringLiteral("out"), QStringLiteral("Write the proven table to FILE (default: print it)."), QStringLiteral("FILE")},
        {QStringLiteral("state"), QStringLiteral("Save the best state reached here when the time runs out; with --orbit, "
                                                 "the orbit start also goes to FILE.orbit."), QStringLiteral("FILE")},
        {QStringLiteral("resume"), QStringLiteral("Start from a saved state (or any table) instead of a greedy start."), QStringLiteral("FILE")},
        {QStringLiteral("boards"), QStringLiteral("Search with B boards instead of G, and write B boards."), QStringLiteral("B")},
        {QStringLiteral("t0"), QStringLiteral("Start temperature of each annealing cycle (default 0.6)."), QStringLiteral("X")},
        {QStringLiteral("tmin"), QStringLiteral("A cycle ends and reheats below this temperature (default 0.02)."), QStringLiteral("X")},
        {QStringLiteral("cool"), QStringLiteral("Temperature factor applied every --steps moves (default 0.999)."), QStringLiteral("X")},
        {QStringLiteral("steps"), QStringLiteral("Moves per temperature step (default 100)."), QStringLiteral("N")},
        {QStringLiteral("tscale"), QStringLiteral("Multiply t0 and tmin by X (for systems whose swaps move many K-sets)."), QStringLiteral("X")},
        {QStringLiteral("restart"), QStringLiteral("Fresh greedy start after N moves without progress (default never)."), QStringLiteral("N")},
        {QStringLiteral("exhaustive"), QStringLiteral("Try every swap for the chosen K-set and take the best.")},
        {QStringLiteral("walk"), QStringLiteral("Share P of moves swap a random board toward S (default 0)."), QStringLiteral("P")},
        {QStringLiteral("groups"), QStringLiteral("Start from the union of N-if-N coverings of consecutive groups of sizes "
                                                  "A, B, ... (sum M); valid when K > (N-1) x number of groups."), QStringLiteral("A,B,...")},
        {QStringLiteral("orbit"), QStringLiteral("Start from the orbits of base boards under the cyclic group Z_Q, which turns "
                                                 "cycles of Q positions and fixes the rest (M = cycles x Q + fixed)."), QStringLiteral("Q")},
        {QStringLiteral("cycles"), QStringLiteral("Cycles of the group (default: derived from --fixed, or as many as fit)."), QStringLiteral("C")},
        {QStringLiteral("fixed"), QStringLiteral("Fixed points of the group (default: M - cycles x Q)."), QStringLiteral("F")},
        {QStringLiteral("base"), QStringLiteral("Base boards of the orbit start (B x Q boards at most)."), QStringLiteral("B")},
        {QStringLiteral("orbit-moves"), QStringLiteral("Moves of the orbit search (default 200000); it stops earlier when covered."), QStringLiteral("N")},
        {QStringLiteral("orbit-t0"), QStringLiteral("Start temperature of the orbit search (default 30)."), QStringLiteral("X")},
        {QStringLiteral("orbit-tmin"), QStringLiteral("Lowest temperature of the orbit search (default 3)."), QStringLiteral("X")},
        {QStringLiteral("orbit-cool"), QStringLiteral("Temperature factor of the orbit search, applied every move (default 0.999)."), QStringLiteral("X")},
        {QStringLiteral("minimise"), QStringLiteral("After covering, drop a board and re-cover within N moves, again and again; "
                                                    "writes the fewest boards reached, not padded to G."), QStringLiteral("N")},
        {QStringLiteral("down-to"), QStringLiteral("With --minimise: stop once B boards cover (default 1)."), QStringLiteral("B")},
        {QStringLiteral("weighted"), QStringLiteral("Search by K-set weights and tabu instead of annealing: the best swap toward a "
                                                    "random uncovered K-set, and heavier uncovered K-sets when no swap gains.")},
        {QStringLiteral("tabu"), QStringLiteral("Weighted search: steps a point just added to a board stays there (default 1)."),
         QStringLiteral("N")},
        {QStringLiteral("smooth"), QStringLiteral("Weighted search: every N stalls, weights above 1 go down by one (default 0: never)."),
         QStringLiteral("N")},
        {QStringLiteral("quiet"), QStringLiteral("No progress lines (otherwise one line every 5 s on stderr).")},
    });
    const char *footer = "\nWith --help added, a command line is only checked, not run.\n"
                         "Exit status: 0 solved and proven, 1 unsolved when the time ran out, 2 bad usage.\n";
    // With --help the rest of the line is still read and checked, so that appending --help to a command
    // tests it without running a search.
    const bool parsed = p.parse(cli::arguments(argc, argv));
    const bool help = parsed && p.isSet(QStringLiteral("help"));
    std::string error = parsed ? std::string() : p.errorText().toStdString();
    const QStringList positional = p.positionalArguments();
    if (parsed && positional.size() != 1 && !(help && positional.isEmpty()))
        error = "give exactly one SYSTEM";
    cli::Numbers num(p);
    if (error.empty()) {
        bool ok = true;
        if (!positional.isEmpty())
            o.system = positional.constFirst().toInt(&ok);
        if (!ok || (!positional.isEmpty() && o.system < 1))
            error = "SYSTEM " + positional.constFirst().toStdString() + ": expected a catalogue index";
        num.integer("seed", o.seed);
        num.real("seconds", o.seconds);
        num.integer("boards", o.boards);
        num.real("t0", o.t0);
        num.real("tmin", o.tmin);
        num.real("cool", o.cool);
        num.integer("steps", o.steps, 1L);
        num.real("tscale", o.tscale);
        num.integer("restart", o.restart);
        num.real("walk", o.walk);
        num.integerList("groups", o.groups, 1);
        num.integer("orbit", o.orbit);
        num.integer("cycles", o.cycles);
        num.integer("fixed", o.fixed);
        num.integer("base", o.base);
        num.integer("orbit-moves", o.orbitMoves);
        num.real("orbit-t0", o.orbitT0);
        num.real("orbit-tmin", o.orbitTmin);
        num.real("orbit-cool", o.orbitCool);
        num.integer("minimise", o.minimiseMoves);
        num.integer("down-to", o.downTo, 1);
        num.integer("tabu", o.tabu);
        num.integer("smooth", o.smooth);
        if (error.empty())
            error = num.error();
    }
    if (!error.empty()) {
        std::fprintf(stderr, "wheelgen: %s (wheelgen --help lists the options)\n", error.c_str());
        return 2;
    }
    if (help) {
        cli::printHelp(p, "wheelgen", footer);
        return 0;
    }
    o.out = p.value(QStringLiteral("out")).toLocal8Bit().toStdString();
    o.state = p.value(QStringLiteral("state")).toLocal8Bit().toStdString();
    o.resume = p.value(QStringLiteral("resume")).toLocal8Bit().toStdString();
    o.exhaustiveMoves = p.isSet(QStringLiteral("exhaustive"));
    o.weighted = p.isSet(QStringLiteral("weighted"));
    o.quiet = p.isSet(QStringLiteral("quiet"));
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    initBinomials();
    Options o;
    if (const int status = parseArguments(argc, argv, o); status >= 0)
        return status;
    int n, k, m, g;
    if (!catalogueEntry(o.system, n, k, m, g)) {
        std::fprintf(stderr, "wheelgen: no system %d in the catalogue\n", o.system);
        return 2;
    }
    const int target = o.boards > 0 ? o.boards : g;
    if (o.orbit > 0) {
        if (o.cycles < 0)
            o.cycles = (m - std::max(o.fixed, 0)) / o.orbit;
        if (o.fixed < 0)
            o.fixed = m - o.cycles * o.orbit;
        if (o.orbit < 2 || o.cycles < 1 || o.cycles * o.orbit + o.fixed != m || o.base < 1) {
            std::fprintf(stderr, "wheelgen: --orbit Q needs --base B >= 1 and cycles x Q + fixed = M (%d)\n", m);
            return 2;
        }
    }
    o.t0 *= o.tscale;
    o.tmin *= o.tscale;
    const double start = now();
    Search search(n, k, m, o);
    search.setStart(start);
    std::vector<Mask> boards;
    int reached = 0;
    bool solved = false;
    const Mask all = (1u << m) - 1;
    long steps = 0; // steps of the weighted search
    const auto report = [&](const WeightedSearch::Progress &p) {
        if (!o.quiet)
            std::fprintf(stderr, "system %d: %zu uncovered (best %zu), %zu boards, %.0f s, %ld steps, %ld stalls\n", o.system,
                         p.uncovered, p.best, p.boards, now() - start, p.steps, p.stalls);
    };

    if (n == kBoardSize && k == kBoardSize) {
        // Full wheel: every 7-subset of the pool.
        std::vector<Mask> allSets;
        subsets(all, kBoardSize, 0, allSets);
        boards = allSets;
        solved = true;
    } else if (kBoardSize * target == m) {
        // Disjoint boards: any K drawn numbers put at least N into one board when K > G (N - 1).
        for (int i = 0; i < target; ++i)
            boards.push_back(((1u << kBoardSize) - 1) << (kBoardSize * i));
        solved = quillon::checkWheel(n, k, m, target, [&] {
            std::vector<std::string> v;
            for (Mask b : boards) v.push_back(letters(b));
            return v;
        }()).ok;
        if (!solved)
            boards.clear();
    }

    if (!solved) {
        Cover cover(n, k, m);
        if (!o.resume.empty()) {
            if (!readBoards(o.resume, boards)) {
                std::fprintf(stderr, "wheelgen: cannot read %s\n", o.resume.c_str());
                return 2;
            }
            std::fprintf(stderr, "system %d: resuming from %zu boards of %s\n", o.system, boards.size(), o.resume.c_str());
            for (Mask b : boards)
                cover.add(b);
            dropWeakest(cover, boards, target);
        } else if (!o.groups.empty()) {
            // K drawn numbers spread over the groups put at least N into one group when K > (N-1) x groups,
            // so N-if-N coverings of every group together cover all K-sets.
            int offset = 0;
            for (int size : o.groups) {
                for (Mask b : coverGroup(n, size, o, search.rng()()))
                    boards.push_back(size >= kBoardSize ? b << offset : fillBoard(b << offset, all));
                offset += size;
            }
            std::fprintf(stderr, "system %d: group start gives %zu boards\n", o.system, boards.size());
            for (Mask b : boards)
                cover.add(b);
            dropWeakest(cover, boards, target);
        } else if (o.orbit > 0) {
            const CyclicGroup group(o.orbit, o.cycles, m);
            std::vector<Mask> base, bestBase;
            std::size_t orbitUncovered = 0;
            {
                OrbitCover orbitCover(n, k, m, group);
                search.orbitAnneal(orbitCover, group, base, bestBase, orbitUncovered, o.orbitMoves);
            }
            boards = group.orbits(bestBase);
            std::fprintf(stderr, "system %d: orbit start: %zu base boards give %zu boards, %zu uncovered\n", o.system,
                         bestBase.size(), boards.size(), orbitUncovered);
            if (!o.state.empty())
                writeBoards(o.state + ".orbit", boards);
            for (Mask b : boards)
                cover.add(b);
            dropWeakest(cover, boards, target);
        }
        if (static_cast<int>(boards.size()) < target) {
            search.greedy(cover, boards, target);
        }
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
            if (o.weighted) {
                WeightedSearch weighted(n, k, m, o.seed, static_cast<int>(o.tabu), o.smooth);
                weighted.setBoards(boards);
                solved = weighted.run(-1, start + o.seconds, report);
                best = weighted.best();
                bestUncovered = weighted.bestUncovered();
                steps += weighted.steps();
            } else {
                solved = search.anneal(cover, boards, best, bestUncovered, start + o.seconds);
            }
        }
        boards = best;
        if (!solved) {
            std::fprintf(stderr, "system %d (%d-%d-%d-%d): unsolved, best %zu uncovered with %zu boards after %.1f s, %ld moves\n",
                         o.system, n, k, m, g, bestUncovered, boards.size(), now() - start, search.moves() + steps);
            if (!o.state.empty())
                writeBoards(o.state, boards);
            std::printf("UNSOLVED system %d uncovered %zu seconds %.1f cpu %.1f moves %ld\n", o.system, bestUncovered,
                        now() - start, cpuSeconds(), search.moves() + steps);
            return 1;
        }
        std::sort(boards.begin(), boards.end());
        reached = static_cast<int>(std::unique(boards.begin(), boards.end()) - boards.begin());
    } else {
        reached = static_cast<int>(boards.size());
    }

    if (o.minimiseMoves > 0) {
        // Fewest boards: drop the board whose loss uncovers the fewest K-sets and cover again by annealing,
        // as long as each attempt succeeds within its move budget and the time lasts. The smallest covering
        // found is written as it is, not padded to G.
        std::sort(boards.begin(), boards.end());
        boards.erase(std::unique(boards.begin(), boards.end()), boards.end());
        const auto covered = [&] {
            if (!o.quiet)
                std::fprintf(stderr, "system %d: covered with %zu boards, %.0f s\n", o.system, boards.size(), now() - start);
        };
        if (o.weighted) {
            WeightedSearch weighted(n, k, m, o.seed, static_cast<int>(o.tabu), o.smooth);
            weighted.setBoards(boards);
            const long before = steps;
            while (static_cast<int>(boards.size()) > o.downTo) {
                weighted.dropWeakest();
                const bool ok = weighted.run(o.minimiseMoves, start + o.seconds, report);
                steps = before + weighted.steps();
                if (!ok)
                    break;
                boards = weighted.boards();
                covered();
            }
        } else {
            Cover cover(n, k, m);
            for (Mask b : boards)
                cover.add(b);
            std::vector<Mask> trial = boards, best;
            while (static_cast<int>(trial.size()) > o.downTo) {
                dropWeakest(cover, trial, static_cast<int>(trial.size()) - 1);
                std::size_t left = 0;
                if (!search.anneal(cover, trial, best, left, start + o.seconds, o.minimiseMoves))
                    break;
                boards = trial;
                covered();
            }
        }
        g = static_cast<int>(boards.size());
        std::fprintf(stderr, "system %d: fewest boards %d (from %d)\n", o.system, g, reached);
        reached = g;
    }

    // With --boards the table keeps that many boards (a covering for a construction, not a catalogue table).
    if (o.boards > 0)
        g = o.boards;
    pad(n, k, m, g, boards, search);
    std::sort(boards.begin(), boards.end(), [](Mask a, Mask b) { return letters(a) < letters(b); });
    std::vector<std::string> lines;
    for (Mask b : boards)
        lines.push_back(letters(b));
    const quillon::WheelCheckResult check = quillon::checkWheel(n, k, m, g, lines);
    if (!check.ok) {
        std::fprintf(stderr, "wheelgen: system %d: result fails the check: %s\n", o.system, check.reason.c_str());
        return 3;
    }
    const double elapsed = now() - start;
    if (o.out.empty()) {
        for (const std::string &l : lines)
            std::printf("%s\n", l.c_str());
    } else if (!writeBoards(o.out, boards)) {
        std::fprintf(stderr, "wheelgen: cannot write %s\n", o.out.c_str());
        return 2;
    }
    std::fprintf(stderr, "SOLVED system %d (%d-%d-%d-%d): reached %d boards, padded to %d, %.2f s, %ld moves, seed %llu, cpu %.2f s\n",
                 o.system, n, k, m, g, reached, g, elapsed, search.moves() + steps, static_cast<unsigned long long>(o.seed), cpuSeconds());
    return 0;
}
