// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/ticketprint.h"

#include "core/errors.h"
#include "core/platform.h"
#include "core/text/messages.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

namespace quillon {

namespace {

constexpr double kCmPerInch = 2.54;

void setMarkFont(PrintDevice &device)
{
    device.setFont(QStringLiteral("Courier"), 10, true);
}

// The document being printed; one still open when the run is cut short by an error
// is dropped.
class OpenDocument {
public:
    explicit OpenDocument(PrintDevice &device)
        : m_device(device)
    {
    }
    ~OpenDocument()
    {
        if (!m_open)
            return;
        try {
            m_device.abortDocument();
        } catch (...) {
            // The device already failed; the error that brought us here is the one to show.
        }
    }

    void begin(const QString &name)
    {
        m_device.beginDocument(name);
        m_open = true;
        setMarkFont(m_device);
    }
    void end()
    {
        m_open = false;
        m_device.endDocument();
    }

private:
    PrintDevice &m_device;
    bool m_open = false;
};

// A coordinate beyond the range of int, which only an absurd offset gives, is held
// at the nearest end of the range instead of wrapping to the other side.
int saturatedInt(double value)
{
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return value <= lowest ? std::numeric_limits<int>::min()
        : value >= highest ? std::numeric_limits<int>::max()
                           : int(value);
}

int saturatedSum(int a, int b)
{
    return int(
        std::clamp<qint64>(qint64(a) + b, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// What the printer said, and which ticket of the run, holding which boards, it cost.
QString ticketNotPrinted(const QString &why, int ticket, int firstBoard, int lastBoard)
{
    const QString boards = firstBoard == lastBoard
        ? QCoreApplication::translate("quillon", "board %1").arg(firstBoard)
        : QCoreApplication::translate("quillon", "boards %1 to %2").arg(firstBoard).arg(lastBoard);
    return QCoreApplication::translate("quillon", "%1 Ticket %2 (%3) was not printed.")
        .arg(why, QString::number(ticket), boards);
}

} // namespace

int cmToDots(double v, int dpi, int printerOffset, int userOffsetMm)
{
    const double dots = (v / kCmPerInch) * dpi - printerOffset + (userOffsetMm / 10.0 / kCmPerInch) * dpi;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return saturatedInt(std::nearbyint(dots));
}

int cmToDevice(PrintDevice &device, const PrintOffsets &offsets, Axis axis, double v)
{
    const QPoint offset = device.printingOffset();
    if (axis == Axis::Horizontal)
        return cmToDots(v, device.dpiX(), offset.x(), offsets.horizontalMm);
    return cmToDots(v, device.dpiY(), offset.y(), offsets.verticalMm);
}

void drawMark(PrintDevice &device, const PrintOffsets &offsets, int x, int y, MarkKind kind)
{
    switch (kind) {
    case MarkKind::LetterX:
        device.drawText(x, y, QStringLiteral("X"));
        break;
    case MarkKind::Bar2mm:
    case MarkKind::Bar1mm:
    case MarkKind::Bar1mmToo: {
        // Sizes come from the same conversion as the positions, so that a bar covers
        // the dots a ruler on the sheet would give it.
        const int w = cmToDevice(device, offsets, Axis::Horizontal, 10.35)
            - cmToDevice(device, offsets, Axis::Horizontal, 10);
        const double bottom = kind == MarkKind::Bar2mm ? 10.2 : 10.1;
        const int h = cmToDevice(device, offsets, Axis::Vertical, bottom)
            - cmToDevice(device, offsets, Axis::Vertical, 10);
        device.fillRect(x, y, saturatedSum(x, w), saturatedSum(y, h));
        break;
    }
    case MarkKind::None:
    default:
        break;
    }
}

int leadingNumber(const QString &text)
{
    qint64 value = 0;
    for (QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        value = value * 10 + (ch.unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return std::numeric_limits<int>::max();
    }
    return int(value);
}

bool isPrintableRange(int first, int last, int boardCount)
{
    return first >= 1 && last <= boardCount && last >= first;
}

namespace {

// The boards a run can mark: those of its range that the list holds.
std::pair<int, int> boardsOfRun(const TicketRun &run, const BoardList &boards)
{
    return { std::max(run.first, 1),
        std::min({ run.last, int(boards.boardCount), int(boards.boards.size()) - 1 }) };
}

} // namespace

int ticketCount(const TicketRun &run, const BoardList &boards)
{
    const auto [first, last] = boardsOfRun(run, boards);
    if (first > last)
        return 0;
    const int perTicket = ticketType(run.type).boardsPerTicket;
    return int((qint64(last) - first) / perTicket + 1);
}

TicketRun ticketOfRun(const TicketRun &run, int index)
{
    const int perTicket = ticketType(run.type).boardsPerTicket;
    TicketRun one = run;
    const qint64 first = std::max(run.first, 1) + qint64(std::max(index, 0)) * perTicket;
    one.first = int(std::min<qint64>(first, std::numeric_limits<int>::max()));
    one.last
        = int(std::min<qint64>({ first + perTicket - 1, qint64(run.last), std::numeric_limits<int>::max() }));
    return one;
}

void printTickets(PrintDevice &device, Prompts &prompts, const Texts &text, const TicketRun &run,
    const BoardList &boards, const Selection &selection, const PrintOffsets &offsets)
{
    const TicketType &type = ticketType(run.type);
    const std::pair<int, int> range = boardsOfRun(run, boards);
    const int first = range.first;
    const int last = range.second;
    // Nothing to mark: feed no ticket at all.
    if (first > last)
        return;

    // A printer that went away, stopped or refuses jobs would swallow the ticket
    // without a word, and the player would go on feeding tickets: it is asked before
    // each ticket and after it, and the run stops at the first ticket lost.
    OpenDocument document(device);
    const int tickets = (last - first) / std::max(1, int(type.boardsPerTicket)) + 1;
    int ticket = 0;
    const auto fail = [&](const QString &why) {
        const int firstBoard = first + (ticket - 1) * type.boardsPerTicket;
        throw QuillonError(
            ticketNotPrinted(why, ticket, firstBoard, std::min(firstBoard + type.boardsPerTicket - 1, last)));
    };
    const auto beginTicket = [&] {
        ++ticket;
        QString why;
        if (!device.ready(&why))
            fail(why);
        // Named so that the print queue tells the player's tickets apart.
        document.begin(
            QCoreApplication::translate("quillon", "Quillon: ticket %1 of %2").arg(ticket).arg(tickets));
    };
    const auto endTicket = [&] {
        document.end();
        QString why;
        if (!device.lastDocumentTaken(&why))
            fail(why);
    };

    beginTicket();
    int slot = 0;
    for (int i = first; i <= last; ++i) {
        ++slot;
        if (slot > type.boardsPerTicket) {
            endTicket();
            slot = 1;
            // The next document is begun only once the player has said OK: a print
            // queue may send even a dropped document through the printer, and a
            // refused ticket must feed no blank sheet.
            if (run.mode == TicketMode::StopEachTicket
                && prompts.message(text(Msg::InsertNextTicket), text(Msg::NextTicketCaption),
                       Prompts::Buttons::OkCancel, Prompts::Icon::Question)
                    != Prompts::Answer::Ok)
                return;
            beginTicket();
        }
        const QByteArray &board = boards.boards[i];
        const int size = std::min(int(boards.boardSize), int(board.size()));
        for (int j = 1; j <= size; ++j) {
            const QPointF mark = markPosition(run.type, slot, numberAt(board, j, selection));
            drawMark(device, offsets, cmToDevice(device, offsets, Axis::Horizontal, mark.x()),
                cmToDevice(device, offsets, Axis::Vertical, mark.y()), type.markKind);
        }
    }
    endTicket();
}

} // namespace quillon
