// SPDX-License-Identifier: GPL-3.0-or-later
// A full ticket of each type printed by QPrinter on a real PDF: the X marks read back
// with pdftotext -bbox, the bars counted on the page rasterised by pdftoppm, both
// against markPosition measured from the sheet's corner, whatever the margins.
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
#include "support/pdfwords.h"

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::test;

class TestTicketPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // A full ticket of type t, board s holding seven numbers spread over the grid, and
    // the marks' points in dots from the sheet's corner with the offsets applied.
    static BoardList fullTicket(
        int t, int dpi, const PrintOffsets &offsets, Selection &picked, QList<QPoint> &marks)
    {
        for (int p = 1; p <= kSlotCount; ++p)
            picked.numbers[size_t(p)] = p;
        const int count = ticketType(t).boardsPerTicket;
        BoardList boards { { QByteArray() }, count, 7 };
        for (int s = 1; s <= count; ++s) {
            boards.boards.append(QByteArray());
            for (int k = 0; k < 7; ++k) {
                const int n = ((s - 1) * 3 + 5 * k) % ticketType(t).highestNumber + 1;
                boards.boards[s].append(char(64 + n));
                const QPointF cm = markPosition(t, s, n);
                marks.append({ cmToDots(cm.x(), dpi, 0, offsets.horizontalMm),
                    cmToDots(cm.y(), dpi, 0, offsets.verticalMm) });
            }
        }
        return boards;
    }

    // Prints a full ticket of type t on a PDF; returns the PDF and the marks' points.
    QString printTicket(int t, int dpi, double marginMm, QList<QPoint> &marks)
    {
        Selection picked;
        const BoardList boards = fullTicket(t, dpi, PrintOffsets {}, picked, marks);
        const QString path = dir.filePath(QStringLiteral("ticket%1-%2.pdf").arg(t).arg(dpi));
        QtPrintDevice device(
            path, dpi, QPageSize(QPageSize::A4), QMarginsF(marginMm, marginMm, marginMm, marginMm));
        FakePrompts prompts;
        const TranslationFile noTranslationFile;
        printTickets(device, prompts, Texts(&noTranslationFile, Language::French),
            TicketRun { t, TicketMode::PrintAll, 1, int(boards.boardCount) }, boards, picked,
            PrintOffsets {});
        return path;
    }

    // The smallest rectangle holding the dark dots of the image within area.
    static QRect inkWithin(const QImage &image, const QRect &area)
    {
        QRect ink;
        for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y) {
            for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x) {
                if (image.constScanLine(y)[x] < 128)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        return ink;
    }

private slots:
    void initTestCase()
    {
        if (!havePdfToText() || QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftotext and pdftoppm are not installed (poppler-utils)");
        QImageReader::setAllocationLimit(1024); // a whole sheet at 600 dpi
    }

    void lettersFallOnTheirBoxes_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("marginMm");
        QTest::newRow("QUEBEC, 600 dpi, 4.2 mm margins") << 1 << 600 << 4.2;
        QTest::newRow("ONTARIO, 300 dpi, 6 mm margins") << 2 << 300 << 6.0;
        QTest::newRow("HRVATSKA, 300 dpi") << 3 << 300 << 0.0;
        QTest::newRow("DANSK, 600 dpi, 3 mm margins") << 5 << 600 << 3.0;
    }
    void lettersFallOnTheirBoxes()
    {
        QFETCH(int, t);
        QFETCH(int, dpi);
        QFETCH(double, marginMm);
        QList<QPoint> marks;
        const QList<PdfPage> pages = readPdfWords(printTicket(t, dpi, marginMm, marks));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].words.size(), marks.size());
        // Each X's left edge within a dot and a half of its mark, its cell's top
        // within Qt's and poppler's difference of the font's ascent.
        const double dot = 72.0 / dpi;
        for (const PdfWord &word : pages[0].words) {
            QCOMPARE(word.text, QStringLiteral("X"));
            const auto match = std::find_if(marks.begin(), marks.end(), [&](QPoint m) {
                return qAbs(word.box.left() - m.x() * dot) <= 1.5 * dot + 0.5
                    && qAbs(word.box.top() - m.y() * dot) <= 1.5;
            });
            QVERIFY2(match != marks.end(),
                qPrintable(QStringLiteral("X at %1, %2 pt").arg(word.box.left()).arg(word.box.top())));
            marks.erase(match);
        }
    }

    // Every bar of a UK DAILY PLAY ticket covers exactly its 41 × 24 dots from the
    // mark point, and nothing else on the sheet is dark.
    void barsFillTheirBoxes()
    {
        QList<QPoint> marks;
        const QString pdf = printTicket(4, 300, 0, marks);
        const QString png = dir.filePath(QStringLiteral("bars"));
        QCOMPARE(
            QProcess::execute(QStringLiteral("pdftoppm"),
                { "-r", "300", "-gray", "-aa", "no", "-aaVector", "no", "-singlefile", "-png", pdf, png }),
            0);
        const QImage page = QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(!page.isNull());
        QImage expected(page.size(), QImage::Format_Grayscale8);
        expected.fill(255);
        for (const QPoint &m : marks) {
            for (int y = m.y(); y < m.y() + 24; ++y)
                std::fill_n(expected.scanLine(y) + m.x(), 41, 0);
        }
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if ((page.constScanLine(y)[x] < 128) != (expected.constScanLine(y)[x] == 0))
                    QFAIL(qPrintable(QStringLiteral("dot %1, %2").arg(x).arg(y)));
            }
        }
    }
    // The preview window shows the run's own drawing: every mark of a ticket, seen on
    // the window at one screen pixel a printer dot, covers the dots the same run puts
    // on a PDF, within one dot, the printer's margins and the player's offsets applied.
    void thePreviewShowsWhatPrints_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("marginMm");
        QTest::addColumn<int>("horizontalMm");
        QTest::addColumn<int>("verticalMm");
        QTest::newRow("QUEBEC letters, 600 dpi, 4.2 mm margins, offsets 3, -2") << 1 << 600 << 4.2 << 3 << -2;
        QTest::newRow("UK DAILY PLAY bars, 300 dpi, 5 mm margins, offsets -4, 5")
            << 4 << 300 << 5.0 << -4 << 5;
    }
    void thePreviewShowsWhatPrints()
    {
        QFETCH(int, t);
        QFETCH(int, dpi);
        QFETCH(double, marginMm);
        QFETCH(int, horizontalMm);
        QFETCH(int, verticalMm);
        const PrintOffsets offsets { horizontalMm, verticalMm };
        Selection picked;
        QList<QPoint> marks;
        const BoardList boards = fullTicket(t, dpi, offsets, picked, marks);
        const TicketRun run { t, TicketMode::PrintAll, 1, int(boards.boardCount) };
        FakePrompts prompts;
        const TranslationFile noTranslationFile;
        const Texts texts(&noTranslationFile, Language::English);

        const QString pdf = dir.filePath(QStringLiteral("preview%1.pdf").arg(t));
        QtPrintDevice printer(
            pdf, dpi, QPageSize(QPageSize::A4), QMarginsF(marginMm, marginMm, marginMm, marginMm));
        printTickets(printer, prompts, texts, run, boards, picked, offsets);
        QCOMPARE(ticketCount(run, boards), 1);
        // The preview draws a ticket as the dialog has it drawn: the run limited to it.
        const auto drawTicket = [&](int index) {
            PicturePrintDevice pictures(dpi, printer.pageSize(), printer.printingOffset());
            printTickets(pictures, prompts, texts, ticketOfRun(run, index), boards, picked, offsets);
            return pictures.documents().value(0).value(0);
        };
        TicketPreviewWindow window(t, 1, drawTicket, dpi, printer.printingOffset(), {}, nullptr);
        window.zoomTo(1.0);
        auto *view = window.findChild<QWidget *>(QStringLiteral("slipView"));
        QVERIFY(view);
        QImage shown(view->size(), QImage::Format_RGB32);
        view->render(&shown);
        shown = shown.convertToFormat(QImage::Format_Grayscale8);
        const QImage printed = pdfPageImage(pdf, dpi);
        QVERIFY(!printed.isNull());

        const TicketType &type = ticketType(t);
        const QSize cell(int(type.cellStepX / 2.54 * dpi * 0.9), int(type.cellStepY / 2.54 * dpi * 0.9));
        for (const QPoint &m : marks) {
            const QRect area(m - QPoint(2, 2), cell);
            const QRect onScreen = inkWithin(shown, area);
            const QRect onPaper = inkWithin(printed, area);
            const QString where = QStringLiteral("mark at %1, %2: shown %3,%4 %5x%6, printed %7,%8 %9x%10")
                                      .arg(m.x())
                                      .arg(m.y())
                                      .arg(onScreen.x())
                                      .arg(onScreen.y())
                                      .arg(onScreen.width())
                                      .arg(onScreen.height())
                                      .arg(onPaper.x())
                                      .arg(onPaper.y())
                                      .arg(onPaper.width())
                                      .arg(onPaper.height());
            QVERIFY2(!onPaper.isEmpty() && !onScreen.isEmpty(), qPrintable(where));
            QVERIFY2(qAbs(onScreen.left() - onPaper.left()) <= 1 && qAbs(onScreen.top() - onPaper.top()) <= 1
                    && qAbs(onScreen.right() - onPaper.right()) <= 1
                    && qAbs(onScreen.bottom() - onPaper.bottom()) <= 1,
                qPrintable(where));
        }
    }

    // The calibration sheet's crosses stand on the mark points of the first and last
    // cell of every board area, moved by exactly the offsets, whatever the margins.
    void calibrationCrossesSitOnTheCells_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("marginMm");
        QTest::addColumn<int>("horizontalMm");
        QTest::addColumn<int>("verticalMm");
        QTest::newRow("QUEBEC, 300 dpi, 5 mm margins, no offsets") << 1 << 300 << 5.0 << 0 << 0;
        QTest::newRow("DANSK, 600 dpi, 3 mm margins, offsets 3, -2") << 5 << 600 << 3.0 << 3 << -2;
        QTest::newRow("UK DAILY PLAY, 300 dpi, offsets -4, 5") << 4 << 300 << 0.0 << -4 << 5;
    }
    void calibrationCrossesSitOnTheCells()
    {
        QFETCH(int, t);
        QFETCH(int, dpi);
        QFETCH(double, marginMm);
        QFETCH(int, horizontalMm);
        QFETCH(int, verticalMm);
        const QString pdf = dir.filePath(QStringLiteral("calibration%1.pdf").arg(t));
        {
            QtPrintDevice printer(
                pdf, dpi, QPageSize(QPageSize::A4), QMarginsF(marginMm, marginMm, marginMm, marginMm));
            printCalibrationSheet(
                printer, t, PrintOffsets { horizontalMm, verticalMm }, QStringLiteral("sheet"));
        }
        const QStringList misplaced = misplacedCrosses(pdf, t, dpi, horizontalMm, verticalMm);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTicketPdf)
#include "test_ticketpdf.moc"
