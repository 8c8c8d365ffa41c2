// SPDX-License-Identifier: GPL-3.0-or-later
// Printing boards straight onto lottery play tickets.
//
// Every ticket is a print document of its own. The boards of the range fill the
// ticket's slots in order, the first board of the range in slot 1; a full ticket is
// sent to the printer and the next board starts a new ticket at slot 1. Each number
// of a board is marked at markPosition() converted to printer dots, corrected by the
// printer's own margins and by the player's offsets.
#pragma once

#include "core/tickets/tickettypes.h"

#include <QString>

namespace quillon {

class PrintDevice;
class Prompts;
class Texts;
struct BoardList;
struct Selection;

enum class TicketMode {
    PrintAll = 1, // every ticket in one go
    StopEachTicket = 2, // ask for the next ticket before each one after the first
};

// Axes of cmToDevice.
enum class Axis { Horizontal = 1, Vertical = 2 };

// The player's correction of where the printer puts the marks: millimetres added to
// every x and every y.
struct PrintOffsets {
    int horizontalMm = 0;
    int verticalMm = 0;
};

// What one printing run prints: boards first … last of the list on tickets of type
// type (1 … 5, in the order the printing dialog lists them).
struct TicketRun {
    int type = 1;
    TicketMode mode = TicketMode::PrintAll;
    int first = 1;
    int last = 0;
};

// v cm from the sheet's edge as a device coordinate: dots from the corner of the
// printable area, which lies printerOffset dots into the sheet, moved by
// userOffsetMm millimetres. Rounded to the nearest dot, an exact half to even, and
// held at the nearest end of the range of int when it lies beyond.
int cmToDots(double v, int dpi, int printerOffset, int userOffsetMm);

// cmToDots with the printer's figures and the player's offset for the axis.
int cmToDevice(PrintDevice &device, const PrintOffsets &offsets, Axis axis, double v);

// Draws one mark of the given kind with its top-left corner at (x, y): the letter X
// in the current font, or a black bar 3.5 mm wide and 2 mm (kind 2) or 1 mm (kinds
// 3 and 4) high. Any other kind draws nothing.
void drawMark(PrintDevice &device, const PrintOffsets &offsets, int x, int y, MarkKind kind);

// The decimal value of the digits at the start of text; 0 when there are none.
int leadingNumber(const QString &text);

// A range of boards the dialog may print: 1 <= first <= last <= boardCount.
bool isPrintableRange(int first, int last, int boardCount);

// The number of tickets the run fills with the list's boards.
int ticketCount(const TicketRun &run, const BoardList &boards);

// The run that prints ticket index (0 for the first) of run alone: the same marks
// on the same slots, without the tickets before or after it.
TicketRun ticketOfRun(const TicketRun &run, int index);

// Prints the run's boards, their numbers read from the selection, one document per
// ticket. In mode TicketMode::StopEachTicket the player is asked, in the texts'
// language, before each later ticket, after
// the previous one was sent; a Cancel ends the run without beginning another
// document, so no blank ticket is fed. A failure of the device drops the document
// it left open and is thrown on. Before each ticket the printer must be ready, and
// after it its queue must have taken the document; otherwise the run stops with a
// QuillonError that gives the printer's reason and names the ticket not printed.
void printTickets(PrintDevice &device, Prompts &prompts, const Texts &text, const TicketRun &run,
    const BoardList &boards, const Selection &selection, const PrintOffsets &offsets);

} // namespace quillon
