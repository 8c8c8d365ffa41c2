// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/wheelcheck.h"

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
template <typename F>
void forEachSubset(std::uint32_t from, int r, std::uint32_t base, F &&f)
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

std::string lineFault(std::size_t index, const std::string &what)
{
    return "line " + std::to_string(index + 1) + ": " + what;
}

} // namespace

std::string wheelLetters(unsigned mask)
{
    std::string s;
    for (int p = 0; mask; ++p, mask >>= 1)
        if (mask & 1u)
            s += static_cast<char>('A' + p);
    return s;
}

bool splitWheelText(const std::string &text, std::vector<std::string> &lines, std::string &error)
{
    lines.clear();
    if (text.find('\r') != std::string::npos) {
        error = "carriage return in table text";
        return false;
    }
    if (!text.empty() && text.back() != '\n') {
        error = "last line does not end with a newline";
        return false;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return true;
}

WheelCheckResult checkWheel(int n, int k, int m, int g, const std::vector<std::string> &boards)
{
    WheelCheckResult result;
    if (m < kBoardSize || m > kMaxPool || k < 1 || k > m || n < 1 || n > k || n > kBoardSize || g < 1) {
        result.reason = "impossible system " + std::to_string(n) + "-" + std::to_string(k) + "-"
                        + std::to_string(m) + "-" + std::to_string(g);
        return result;
    }
    if (boards.size() != static_cast<std::size_t>(g)) {
        result.reason = "expected " + std::to_string(g) + " boards, found " + std::to_string(boards.size());
        return result;
    }

    std::vector<std::uint32_t> masks;
    masks.reserve(boards.size());
    std::uint32_t used = 0;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const std::string &b = boards[i];
        if (b.size() != kBoardSize) {
            result.reason = lineFault(i, "expected 7 letters, found " + std::to_string(b.size()));
            return result;
        }
        std::uint32_t mask = 0;
        int previous = 0;
        for (char ch : b) {
            const int p = static_cast<unsigned char>(ch) - 64;
            if (p < 1 || p > m) {
                result.reason = lineFault(i, std::string("'") + ch + "' is not a position in 1 ... "
                                                 + std::to_string(m));
                return result;
            }
            if (p <= previous) {
                result.reason = lineFault(i, "positions not strictly ascending at '" + std::string(1, ch) + "'");
                return result;
            }
            previous = p;
            mask |= 1u << (p - 1);
        }
        for (std::size_t j = 0; j < i; ++j)
            if (masks[j] == mask) {
                result.reason = lineFault(i, "repeats line " + std::to_string(j + 1));
                return result;
            }
        masks.push_back(mask);
        used |= mask;
    }
    for (int p = 1; p <= m; ++p)
        if (!(used & (1u << (p - 1)))) {
            result.reason = "position " + std::to_string(p) + " (" + wheelLetters(1u << (p - 1)) + ") is in no board";
            return result;
        }

    // Mark every k-subset that some board meets in n or more positions, then look for one left unmarked.
    const std::uint32_t all = m == 32 ? ~0u : (1u << m) - 1;
    std::vector<std::uint8_t> covered(kBinom.c[m][k], 0);
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
    for (std::size_t r = 0; r < covered.size(); ++r)
        if (!covered[r]) {
            result.reason = "no board holds " + std::to_string(n) + " of " + wheelLetters(colexUnrank(r, k));
            return result;
        }
    result.ok = true;
    return result;
}

} // namespace quillon
