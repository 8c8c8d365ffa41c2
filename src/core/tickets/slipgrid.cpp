// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/slipgrid.h"

#include "core/tickets/tickettypes.h"

#include <algorithm>

namespace quillon {

namespace {

// Share of a cell step a cell covers.
constexpr double kCellShare = 0.8;

} // namespace

QList<SlipCell> slipCells(int t)
{
    const TicketType &type = ticketType(t);
    const int highest = type.highestNumber;
    const QSizeF size(type.cellStepX * kCellShare, type.cellStepY * kCellShare);
    QList<SlipCell> cells;
    cells.reserve(type.boardsPerTicket * highest);
    for (int slot = 1; slot <= type.boardsPerTicket; ++slot) {
        for (int n = 1; n <= highest; ++n)
            cells.append({ slot, n, QRectF(markPosition(t, slot, n), size) });
    }
    return cells;
}

QSizeF slipExtentCm(int t)
{
    double right = 0;
    double bottom = 0;
    for (const SlipCell &cell : slipCells(t)) {
        right = std::max(right, cell.cm.right());
        bottom = std::max(bottom, cell.cm.bottom());
    }
    return { right + 1, bottom + 1 };
}

} // namespace quillon
