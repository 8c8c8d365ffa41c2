// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analysis/wheelsearching.h"

#include "core/wheels/wheelcheck.h"
#include "core/wheels/wheelsearch.h"

#include <algorithm>

namespace quillon {

namespace {

// Moves (or weighted steps) each attempt at one board fewer gets before the search settles
// for the table it has.
constexpr qint64 kMovesPerAttempt = 200000;

} // namespace

std::optional<FoundWheel> searchBetterWheel(const Wheel &wheel, WheelSearchGoal goal,
    const std::function<bool()> &stop, const std::function<void(int boards)> &progress)
{
    const int n = wheel.guarantee(), k = wheel.condition(), m = wheel.poolSize();
    if (wheel.isEmpty() || n < 1 || n > k || k > m || m > 30)
        return std::nullopt;
    std::vector<quint32> masks = boardMasks(wheel);
    std::sort(masks.begin(), masks.end());
    masks.erase(std::unique(masks.begin(), masks.end()), masks.end());
    const int own = int(masks.size());
    const int bound = boardLowerBound(n, k, m);

    SearchRequest request;
    request.guarantee = n;
    request.condition = k;
    request.poolSize = m;
    request.startBoards = QList<BoardMask>(masks.cbegin(), masks.cend());
    request.weighted = n == k;
    request.minimiseMoves = kMovesPerAttempt;
    if (goal == WheelSearchGoal::FillHoles) {
        // Room for one board a hole: the greedy completion keeps every board of the wheel and
        // adds boards until no hole is left, then the shrinking works back toward the
        // wheel's own count.
        const std::optional<GuaranteeProof> holes
            = proveGuarantee(wheel, n, k, [&stop](quint64, quint64) { return !(stop && stop()); });
        if (!holes)
            return std::nullopt;
        request.boards = int(std::min<quint64>(quint64(own) + holes->holeCount, 1000000));
        request.downTo = std::max(own, bound);
    } else {
        request.boards = own;
        request.downTo = std::max(bound, 1);
    }
    const WheelSearchResult result = searchCovering(request, stop, [&progress](const SearchProgress &p) {
        if (progress && p.stage == SearchProgress::Stage::Covered)
            progress(int(p.boards));
    });
    if (!result.covered || result.boards.isEmpty())
        return std::nullopt;

    QByteArray letters;
    letters.reserve(result.boards.size() * Wheel::kBoardSize);
    for (BoardMask board : result.boards)
        letters += wheelLetters(board);
    FoundWheel found { Wheel(n, k, m, letters), {} };
    const std::optional<GuaranteeProof> proof = proveGuarantee(found.wheel, n, k);
    if (!proof || !proof->holds())
        return std::nullopt;
    found.proof = *proof;
    return found;
}

QByteArray boardFileText(const Wheel &wheel, const std::vector<int> &numbers)
{
    QByteArray text;
    for (int b = 1; b <= wheel.boardCount(); ++b) {
        const QByteArray board = wheel.board(b);
        for (char letter : board) {
            const int position = letter - 'A' + 1;
            text += QByteArray::number(position >= 1 && size_t(position) <= numbers.size()
                    ? numbers[size_t(position - 1)]
                    : position);
            text += ',';
        }
        text += "\r\n";
    }
    return text;
}

} // namespace quillon
