// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the documentation's pictures of the ticket preview and the calibration sheet:
// the real program's ticket dialog and the preview it opens, on the boards of a system
// printed on QUEBEC LOTTO MAX tickets, and the calibration sheet of that type printed
// onto a PDF and rasterised.
//   quillon-preview-pictures <folder>   (run under a display, e.g. scripts/screenshots;
//   writes ticket-dialog.png, preview.png, calibration-sheet.png, calibration-detail.png)
#include "core/tickets/calibration.h"
#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"
#include "gui/application.h"
#include "gui/ticketpreviewwindow.h"
#include "gui/ticketprintdialog.h"
#include "pictures/realprogram.h"
#include "platform/qtprintdevice.h"
#include "support/children.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace quillon;
using test::child;

int main(int argc, char *argv[])
{
    QuillonApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUILLON"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    constexpr int t = 1;

    pictures::RealProgram program;
    if (!program.start())
        return 1;
    program.enterTheGame();
    MainWindow *main = program.mainWindow();

    bool dialogSaved = false;
    bool previewSaved = false;
    QTimer::singleShot(0, [&] {
        TicketPrintDialog *dialog = main->findChild<TicketPrintDialog *>();
        if (!QTest::qWaitForWindowActive(dialog))
            std::fprintf(stderr, "the ticket dialog did not become active\n");
        child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(t - 1);
        QTest::qWait(300);
        dialogSaved = dialog->grab().save(out.filePath(QStringLiteral("ticket-dialog.png")));
        QTimer::singleShot(0, [&] {
            auto *preview = qobject_cast<TicketPreviewWindow *>(QApplication::activeModalWidget());
            if (!preview)
                return;
            // As the player first sees it: the size and zoom it opens with.
            if (!QTest::qWaitForWindowExposed(preview))
                std::fprintf(stderr, "the preview was not shown\n");
            QTest::qWait(300);
            previewSaved = preview->grab().save(out.filePath(QStringLiteral("preview.png")));
            preview->close();
        });
        child<QPushButton>(dialog, "bapercu")->click();
        dialog->reject();
    });
    child<QPushButton>(main, "bimprimetickets")->click();
    if (!dialogSaved || !previewSaved) {
        std::fprintf(stderr, "could not save the ticket dialog or the preview\n");
        return 1;
    }

    QTemporaryDir work;
    const QString pdf = work.filePath(QStringLiteral("sheet.pdf"));
    {
        QtPrintDevice printer(pdf, 600, QPageSize(QPageSize::A4), QMarginsF(4, 4, 4, 4));
        printCalibrationSheet(printer, t, PrintOffsets {}, calibrationCaption(t, PrintOffsets {}));
    }
    const QString stem = out.filePath(QStringLiteral("calibration-sheet"));
    if (QProcess::execute(QStringLiteral("pdftoppm"), { "-png", "-r", "60", "-singlefile", pdf, stem })
        != 0) {
        std::fprintf(stderr, "could not rasterise the calibration sheet\n");
        return 1;
    }
    // The top-left corner of the sheet at 150 dpi: the rulers and the first board area.
    const QString detail = out.filePath(QStringLiteral("calibration-detail"));
    if (QProcess::execute(QStringLiteral("pdftoppm"),
            { "-png", "-r", "150", "-x", "0", "-y", "300", "-W", "500", "-H", "340", "-singlefile", pdf,
                detail })
        != 0) {
        std::fprintf(stderr, "could not rasterise the calibration sheet\n");
        return 1;
    }
    return 0;
}
