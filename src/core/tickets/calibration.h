// SPDX-License-Identifier: GPL-3.0-or-later
// The calibration sheet: printed on plain paper and laid over a real slip against the
// light, it shows where the printer puts the marks of a ticket type.
//
// Everything on it goes through the ticket printing's conversion from centimetres to
// dots, with the player's offsets: the cells' outlines, a fine cross on the mark
// point of the first and the last cell of each board area, and millimetre rulers
// along the top and left edges of the printable area. Printed again with new offsets,
// the whole drawing moves by exactly those millimetres.
#pragma once

#include <QString>

namespace quillon {

class PrintDevice;
struct PrintOffsets;

// Half the length of a cross's arm, in cm.
constexpr double kCrossArmCm = 0.3;

// Prints the sheet for ticket type t (1 … 5) as one document, with caption written
// under the cells. Like a ticket, the document is printed only when the printer is
// ready, and a QuillonError says why when it is not or when its queue refuses it.
void printCalibrationSheet(PrintDevice &device, int t, const PrintOffsets &offsets, const QString &caption);

// The caption of the sheet: the ticket's name and the offsets it was printed with.
QString calibrationCaption(int t, const PrintOffsets &offsets);

} // namespace quillon
