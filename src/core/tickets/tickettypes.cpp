// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/tickettypes.h"

#include "core/errors.h"

#include <QCoreApplication>

namespace quillon {

namespace {

using Direction = NumberGrid::Direction;

// The first name keeps its trailing space: the list shows it as it stands. The
// lotteries draw 7 of 49, 7 of 47, 7 of 39, 7 of 27 and 7 of 36.
constexpr TicketTypeTable kTicketTypes { {
    { "QUEBEC LOTTO MAX ", 1.02, 6.18, 0.58, 0.48, 0, 2.4, 5, 1, 5, MarkKind::LetterX, 49,
        { 10, Direction::Across, 0 } }, // row 0 holds 1 … 9, later rows start with a multiple of ten
    { "ONTARIO LOTTO SUPER7", 4.0, 3.4, 0.4, 0.5, 2.4, 0, 5, 1, 1, MarkKind::LetterX, 47,
        { 10, Direction::Down, 1 } },
    { "HRVATSKA LOTO 7-39", 2.8, 2.3, 0.4, 0.4, 1.27, 0, 10, 10, 1, MarkKind::LetterX, 39,
        { 3, Direction::Across, 1 } },
    { "UK DAILY PLAY", 1.1, 9.35, 0.635, 0.38, 0, 1.65, 4, 1, 3, MarkKind::Bar2mm, 27,
        { 9, Direction::Across, 1 } },
    { "DANSK LOTTO", 3.51, 0.91, 0.4, 0.4, 2.38, 2.78, 10, 5, 2, MarkKind::LetterX, 36,
        { 6, Direction::Across, 1 } },
} };

} // namespace

const TicketType &ticketType(int t)
{
    if (t < 1 || t > kTicketTypeCount)
        throw QuillonError(QCoreApplication::translate("quillon", "Ticket type %1 does not exist").arg(t));
    return kTicketTypes[size_t(t - 1)];
}

QStringList ticketTypeNames()
{
    QStringList names;
    for (int t = 1; t <= kTicketTypeCount; ++t)
        names.append(QString::fromLatin1(ticketType(t).name));
    return names;
}

int lotteryPool(int t)
{
    return ticketType(t).highestNumber;
}

TicketCell ticketCell(int t, int n)
{
    const NumberGrid &grid = ticketType(t).grid;
    // Integer division and remainder truncate towards zero, for every n.
    const int index = n - grid.firstNumber;
    const int along = index % grid.lineLength;
    const int line = index / grid.lineLength;
    return grid.direction == Direction::Across ? TicketCell { along, line } : TicketCell { line, along };
}

QPointF markPosition(int t, int s, int n)
{
    const TicketType &type = ticketType(t);
    double bx = type.originX;
    double by = type.originY;
    if (type.arrangement == 0 || type.arrangement == 1) {
        bx += (s - 1) * type.boardStepX;
    } else {
        const int perRow = type.boardsPerRow;
        bx += ((s - 1) % perRow) * type.boardStepX;
        by += ((s - 1) / perRow) * type.boardStepY;
    }
    const TicketCell cell = ticketCell(t, n);
    return { bx + cell.column * type.cellStepX, by + cell.row * type.cellStepY };
}

} // namespace quillon
