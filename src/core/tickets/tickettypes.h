// SPDX-License-Identifier: GPL-3.0-or-later
// The play tickets of the five lotteries: where each board's number grid lies on the
// sheet and what mark fills a number's box. Lengths are centimetres measured on the
// physical sheet from its left edge (x, to the right) and its top edge (y, downwards).
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace quillon {

constexpr int kTicketTypeCount = 5;

// Marks drawn in a number's box; any other value marks nothing.
enum class MarkKind : qint32 {
    None = 0,
    LetterX = 1, // the letter X
    Bar2mm = 2, // a filled bar 2 mm high
    Bar1mm = 3, // a filled bar 1 mm high
    Bar1mmToo = 4, // the same bar
};

// How a board's numbers fill its grid of boxes: in lines of lineLength boxes, running
// across (rows) or down (columns), the first box standing for firstNumber.
struct NumberGrid {
    enum class Direction { Across, Down };
    int lineLength = 1;
    Direction direction = Direction::Across;
    int firstNumber = 1;
};

// One ticket type: its name, where its boards lie, its grid and its numbers.
struct TicketType {
    const char *name = ""; // Latin-1, shown in the printing dialog as it stands
    double originX = 0; // cell (column 0, row 0) of the board in slot 1
    double originY = 0;
    double cellStepX = 0; // between neighbouring number columns / rows of a board
    double cellStepY = 0;
    double boardStepX = 0; // between neighbouring boards of a row / rows of boards
    double boardStepY = 0;
    qint32 boardsPerTicket = 0;
    qint32 boardsPerRow = 0; // read only when arrangement is neither 0 nor 1
    qint32 arrangement = 0; // 0 or 1: one row of boards side by side; else rows of boardsPerRow
    MarkKind markKind = MarkKind::None;
    int highestNumber = 0; // the highest number the slip has a box for
    NumberGrid grid;
};

// Types 1 … 5 in the order the printing dialog lists them.
using TicketTypeTable = std::array<TicketType, kTicketTypeCount>;

// Record t (1 … 5); throws QuillonError for any other t.
const TicketType &ticketType(int t);

// The five names in table order.
QStringList ticketTypeNames();

// How many numbers the lottery of ticket type t draws its 7 from (bonus numbers left
// out): the slip has a box for each of them. Throws QuillonError for a t outside 1 … 5.
int lotteryPool(int t);

// Column and row of number n in a board's grid on a ticket of type t. The grid has
// no upper bound: a number past the highest lands where the same rule puts it.
struct TicketCell {
    int column = 0;
    int row = 0;
};
TicketCell ticketCell(int t, int n);

// The point of the sheet, in cm, where the mark of number n of the board in slot s
// (1 … boardsPerTicket) of a ticket of type t goes.
QPointF markPosition(int t, int s, int n);

} // namespace quillon
