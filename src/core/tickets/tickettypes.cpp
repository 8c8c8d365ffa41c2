// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/tickettypes.h"

#include "core/errors.h"

#include <QCoreApplication>

namespace quillon {

namespace {

// The first name keeps its trailing space: the list shows it as it stands.
constexpr TicketTypeTable kTicketTypes {{
    {"QUEBEC LOTTO MAX ", 1.02, 6.18, 0.58, 0.48, 0, 2.4, 5, 1, 5, MarkKind::LetterX},
    {"ONTARIO LOTTO SUPER7", 4.0, 3.4, 0.4, 0.5, 2.4, 0, 5, 1, 1, MarkKind::LetterX},
    {"HRVATSKA LOTO 7-39", 2.8, 2.3, 0.4, 0.4, 1.27, 0, 10, 10, 1, MarkKind::LetterX},
    {"UK DAILY PLAY", 1.1, 9.35, 0.635, 0.38, 0, 1.65, 4, 1, 3, MarkKind::Bar2mm},
    {"DANSK LOTTO", 3.51, 0.91, 0.4, 0.4, 2.38, 2.78, 10, 5, 2, MarkKind::LetterX},
}};

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
    constexpr int kPools[kTicketTypeCount] = { 49, 47, 39, 27, 36 };
    ticketType(t);
    return kPools[t - 1];
}

TicketCell ticketCell(int t, int n)
{
    // Integer division and remainder truncate towards zero, for every n.
    switch (t) {
    case 1: // ten columns; row 0 holds 1 … 9, later rows start with a multiple of ten
        return {n % 10, n / 10};
    case 2: // columns of ten, read downwards
        return {(n - 1) / 10, (n - 1) % 10};
    case 3: // three columns, read across
        return {(n - 1) % 3, (n - 1) / 3};
    case 4: // nine columns, read across
        return {(n - 1) % 9, (n - 1) / 9};
    case 5: // six columns, read across
        return {(n - 1) % 6, (n - 1) / 6};
    }
    throw QuillonError(QCoreApplication::translate("quillon", "Ticket type %1 does not exist").arg(t));
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
    return {bx + cell.column * type.cellStepX, by + cell.row * type.cellStepY};
}

} // namespace quillon
