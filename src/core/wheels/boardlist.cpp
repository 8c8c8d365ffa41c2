// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/boardlist.h"

#include "core/wheels/selection.h"
#include "core/wheels/wheel.h"

namespace quillon {

void generate(const Wheel &wheel, BoardList &target)
{
    target.boardCount = wheel.boardCount();
    target.boardSize = Wheel::kBoardSize;
    target.boards.resize(wheel.boardCount() + 1);
    target.boards[0].clear();
    for (int j = 1; j <= wheel.boardCount(); ++j)
        target.boards[j] = wheel.board(j);
}

qint32 numberAt(const QByteArray &board, int k, const Selection &from)
{
    const int slot = static_cast<unsigned char>(board.at(k - 1)) - 64;
    // Every letter of a proven table maps to a slot; anything else reads as 0.
    if (slot < 1 || slot > kSlotCount)
        return 0;
    return from.numbers[size_t(slot)];
}

QList<qint32> boardNumbers(const BoardList &list, const Selection &from)
{
    QList<qint32> numbers;
    numbers.reserve(qsizetype(list.boardCount) * list.boardSize);
    for (int i = 1; i <= list.boardCount; ++i) {
        const QByteArray &board = list.boards.at(i);
        for (int k = 1; k <= list.boardSize; ++k)
            numbers.append(numberAt(board, k, from));
    }
    return numbers;
}

} // namespace quillon
