// SPDX-License-Identifier: GPL-3.0-or-later
// Expansion of a system over the player's numbers into boards.
//
// Boards are kept as position letters, not numbers: numberAt() looks a letter up in
// the selected-number slots at the time it is called.
#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace quillon {

struct Selection;
class Wheel;

struct BoardList {
    QList<QByteArray> boards; // entries 0 … G; entry 0 stays empty
    qint32 boardCount = 0;
    qint32 boardSize = 0;
};

// Replaces target with the boards of the wheel.
void generate(const Wheel &wheel, BoardList &target);

// The number at column k (1-based) of a board string, from the selected-number slots.
qint32 numberAt(const QByteArray &board, int k, const Selection &from);

// The numbers of boards 1 … boardCount, boardSize per board, board by board.
QList<qint32> boardNumbers(const BoardList &list, const Selection &from);

} // namespace quillon
