// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the documentation's pictures of a printed ticket of each type: one full
// ticket is printed by the program's own printing run onto a PDF, the PDF page is
// rasterised with pdftoppm, and a pale sketch of the ticket's numbered boxes (drawn
// only for the picture, never printed) is laid under the marks.
//   quillon-ticket-pictures <folder>   (writes ticket-1.png … ticket-5.png)
#include "core/text/messages.h"
#include "core/text/translationfile.h"
#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "platform/qtprintdevice.h"
#include "support/fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace quillon;

namespace {

constexpr int kPrintDpi = 300;
constexpr int kPictureDpi = 110;

// A full ticket of type t: board s holds seven numbers spread over the grid.
BoardList fullTicket(int t)
{
    const int boards = ticketType(t).boardsPerTicket;
    BoardList list;
    list.boardCount = boards;
    list.boardSize = 7;
    list.boards.resize(boards + 1);
    for (int s = 1; s <= boards; ++s) {
        for (int k = 0; k < 7; ++k)
            list.boards[s].append(char(64 + ((s - 1) * 3 + 5 * k) % ticketType(t).highestNumber + 1));
    }
    return list;
}

double toPixels(double cm)
{
    return cm / 2.54 * kPictureDpi;
}

bool picture(int t, const QString &work, const QString &target)
{
    const BoardList boards = fullTicket(t);
    const QString pdf = work + QStringLiteral("/ticket.pdf");
    {
        QtPrintDevice device(pdf, kPrintDpi, QPageSize(QPageSize::A4));
        test::FakePrompts prompts;
        Selection ownIndex;
        for (int p = 1; p <= kSlotCount; ++p)
            ownIndex.numbers[size_t(p)] = p;
        const TranslationFile noTranslationFile;
        printTickets(device, prompts, Texts(&noTranslationFile, Language::French),
            TicketRun { t, TicketMode::PrintAll, 1, boards.boardCount }, boards, ownIndex, PrintOffsets {});
    }

    // The part of the sheet from its top-left corner to 1 cm past the last box.
    double right = 0, bottom = 0;
    for (int s = 1; s <= boards.boardCount; ++s) {
        for (int n = 1; n <= ticketType(t).highestNumber; ++n) {
            const QPointF p = markPosition(t, s, n);
            right = std::max(right, p.x());
            bottom = std::max(bottom, p.y());
        }
    }
    const int width = int(toPixels(right + 1.0));
    const int height = int(toPixels(bottom + 1.0));
    const QString stem = work + QStringLiteral("/ticket");
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(kPictureDpi), QStringLiteral("-x"), QStringLiteral("0"),
            QStringLiteral("-y"), QStringLiteral("0"), QStringLiteral("-W"), QString::number(width),
            QStringLiteral("-H"), QString::number(height), QStringLiteral("-singlefile"),
            QStringLiteral("-png"), pdf, stem });
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return false;
    const QImage marks(stem + QStringLiteral(".png"));
    if (marks.isNull())
        return false;

    QImage sheet(marks.size(), QImage::Format_RGB32);
    sheet.fill(QColor(255, 253, 240));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    // The sheet's top and left edges, from which every length is measured.
    painter.setPen(QPen(QColor(120, 120, 120), 2));
    painter.drawLine(0, 0, sheet.width(), 0);
    painter.drawLine(0, 0, 0, sheet.height());
    // Each box's number under the middle of its mark: the letter X's cell is about
    // 0.21 × 0.4 cm, a bar 0.35 cm wide and 0.2 or 0.1 cm high.
    const MarkKind kind = ticketType(t).markKind;
    const QSizeF mark
        = kind == MarkKind::LetterX ? QSizeF(0.21, 0.4) : QSizeF(0.35, kind == MarkKind::Bar2mm ? 0.2 : 0.1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(toPixels(0.2)));
    painter.setFont(font);
    painter.setPen(QColor(215, 120, 120));
    for (int s = 1; s <= boards.boardCount; ++s) {
        for (int n = 1; n <= ticketType(t).highestNumber; ++n) {
            const QPointF p = markPosition(t, s, n) + QPointF(mark.width() / 2, mark.height() / 2);
            const QRectF box(toPixels(p.x() - 0.3), toPixels(p.y() - 0.2), toPixels(0.6), toPixels(0.4));
            painter.drawText(box, Qt::AlignCenter, QString::number(n));
        }
    }
    // The printed marks over the sketch.
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.drawImage(0, 0, marks);
    painter.end();
    return sheet.save(target);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir work;
    for (int t = 1; t <= kTicketTypeCount; ++t) {
        const QString target = out.filePath(QStringLiteral("ticket-%1.png").arg(t));
        if (!picture(t, work.path(), target)) {
            std::fprintf(stderr, "could not draw %s\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}
