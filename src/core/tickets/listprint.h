// SPDX-License-Identifier: GPL-3.0-or-later
// The printed list of boards: the title "LISTE DES PARIS" centred at the top of the
// first page, then one line per board, every number followed by one space.
//
// Coordinates are device units of the print device (origin at the corner of the
// printable area). The line pitch L is the height of "WWWW" in 14-point Times New
// Roman plus 10; a page takes lines while y stays within H - 3L, and every later
// page starts its first line at y = 4L.
#pragma once

#include "core/platform.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"

#include <QStringList>

namespace quillon {

// The line of board i (1 … board count): its numbers, read from the selection, in
// position order, each one followed by one space.
QString boardListLine(const BoardList &list, const Selection &selection, int i);

// Prints the list of the boards on the device as one document. titleMeasure is the
// text whose height sets the gap under the title (Msg::BoardListTitle). When anything fails
// after the document began, the document is dropped and the error passed on.
void printBoardList(
    PrintDevice &device, const BoardList &list, const Selection &selection, const QString &titleMeasure);

} // namespace quillon
