// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/slipgrid.h"

#include "core/errors.h"
#include "core/tickets/tickettypes.h"

#include <QCoreApplication>

#include <algorithm>

namespace quillon {

namespace {

// Share of a cell step a cell covers.
constexpr double kCellShare = 0.8;

} // namespace

int highestSlipNumber(int t)
{
    // The lotteries' highest numbers: 7 of 49, 7 of 47, 7 of 39, 7 of 27, 7 of 36.
    constexpr int kHighest[kTicketTypeCount] = {49, 47, 39, 27, 36};
    if (t < 1 || t > kTicketTypeCount)
        throw QuillonError(QCoreApplication::translate("quillon", "Ticket type %1 does not exist").arg(t));
    return kHighest[t - 1];
}

QList<SlipCell> slipCells(int t)
{
    const TicketType &type = ticketType(t);
    const int highest = highestSlipNumber(t);
    const QSizeF size(type.cellStepX * kCellShare, type.cellStepY * kCellShare);
    QList<SlipCell> cells;
    cells.reserve(type.boardsPerTicket * highest);
    for (int slot = 1; slot <= type.boardsPerTicket; ++slot) {
        for (int n = 1; n <= highest; ++n)
            cells.append({slot, n, QRectF(markPosition(t, slot, n), size)});
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
    return {right + 1, bottom + 1};
}

} // namespace quillon
