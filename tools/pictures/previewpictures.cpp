// Draws the documentation's pictures of the ticket preview and the calibration sheet:
// the real preview window on a run of three QUEBEC LOTTO MAX tickets, and the
// calibration sheet of that type printed onto a PDF and rasterised at 60 dpi.
//   quillon-preview-pictures <folder>   (writes preview.png, calibration-sheet.png
//                                        and calibration-detail.png)
#include "core/text/messages.h"
#include "core/text/translationfile.h"
#include "core/tickets/calibration.h"
#include "core/tickets/slipgrid.h"
#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "gui/ticketpreviewwindow.h"
#include "platform/pictureprintdevice.h"
#include "platform/qtprintdevice.h"
#include "support/fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace quillon;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    constexpr int t = 1;
    const TranslationFile noTranslationFile;
    const Texts texts(&noTranslationFile, Language::English);

    // Twelve boards, seven numbers each spread over the grid: three tickets.
    BoardList boards;
    boards.boardCount = 12;
    boards.boardSize = 7;
    boards.boards.resize(13);
    for (int s = 1; s <= 12; ++s) {
        for (int k = 0; k < 7; ++k)
            boards.boards[s].append(char(64 + ((s - 1) * 3 + 5 * k) % highestSlipNumber(t) + 1));
    }
    Selection ownIndex;
    for (int p = 1; p <= kSlotCount; ++p)
        ownIndex.numbers[size_t(p)] = p;

    PicturePrintDevice pictures(300, QPageSize(QPageSize::A4).sizePixels(300), QPoint(50, 50));
    test::FakePrompts prompts;
    printTickets(pictures, prompts, texts, TicketRun{t, TicketMode::PrintAll, 1, 12}, boards, ownIndex, PrintOffsets{});
    QList<QPicture> tickets;
    for (const auto &document : pictures.documents())
        tickets.append(document.value(0));
    TicketPreviewWindow window(texts, t, tickets, 300, QPoint(50, 50), QString(), nullptr);
    window.resize(560, 760);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.zoomToFit();
    QTest::qWait(300);
    if (!window.grab().save(out.filePath(QStringLiteral("preview.png")))) {
        std::fprintf(stderr, "could not save the preview\n");
        return 1;
    }

    QTemporaryDir work;
    const QString pdf = work.filePath(QStringLiteral("sheet.pdf"));
    {
        QtPrintDevice printer(pdf, 600, QPageSize(QPageSize::A4), QMarginsF(4, 4, 4, 4));
        printCalibrationSheet(printer, t, PrintOffsets{}, texts(AddedText::CalibrationCaption)
            .arg(QString::fromLatin1(ticketType(t).name).trimmed()).arg(0).arg(0));
    }
    const QString stem = out.filePath(QStringLiteral("calibration-sheet"));
    if (QProcess::execute(QStringLiteral("pdftoppm"), {"-png", "-r", "60", "-singlefile", pdf, stem}) != 0) {
        std::fprintf(stderr, "could not rasterise the calibration sheet\n");
        return 1;
    }
    // The top-left corner of the sheet at 150 dpi: the rulers and the first board area.
    const QString detail = out.filePath(QStringLiteral("calibration-detail"));
    if (QProcess::execute(QStringLiteral("pdftoppm"),
            {"-png", "-r", "150", "-x", "0", "-y", "300", "-W", "500", "-H", "340", "-singlefile", pdf, detail})
        != 0) {
        std::fprintf(stderr, "could not rasterise the calibration sheet\n");
        return 1;
    }
    return 0;
}
