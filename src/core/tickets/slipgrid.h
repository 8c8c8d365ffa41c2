// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes of a play slip, as the ticket table places them: one cell per number of
// each board area, in centimetres from the sheet's corner. The preview draws them
// under the marks and the calibration sheet outlines them.
#pragma once

#include <QList>
#include <QRectF>

namespace quillon {

struct SlipCell {
    int slot = 0; // board area 1 … boardsPerTicket
    int number = 0; // 1 … the type's highestNumber
    // The cell's top-left corner is the number's mark point; it spans most of one
    // cell step, leaving a gap before the next cell so neighbours stay apart.
    QRectF cm;
};

// Every cell of every board area of type t, slot by slot and number by number.
QList<SlipCell> slipCells(int t);

// The part of the sheet, from its corner, that holds every cell with a margin of
// 1 cm to the right and below.
QSizeF slipExtentCm(int t);

} // namespace quillon
