// A full ticket of each type printed by QPrinter on a real PDF: the X marks read back
// with pdftotext -bbox, the bars counted on the page rasterised by pdftoppm, both
// against markPosition measured from the sheet's corner, whatever the margins.
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "support/fakeplatform.h"
#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"
#include "core/text/messages.h"
#include "core/text/translationfile.h"
#include "platform/qtprintdevice.h"
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

    // Prints a full ticket of type t, board s holding seven numbers spread over the
    // grid; returns the PDF and the marks' points in dots from the sheet's corner.
    QString printTicket(int t, int dpi, double marginMm, QList<QPoint> &marks)
    {
        constexpr int kHighest[] = {0, 49, 47, 39, 27, 36};
        Selection picked;
        for (int p = 1; p <= kSlotCount; ++p)
            picked.numbers[size_t(p)] = p;
        const int count = ticketType(t).boardsPerTicket;
        BoardList boards{{QByteArray()}, count, 7};
        for (int s = 1; s <= count; ++s) {
            boards.boards.append(QByteArray());
            for (int k = 0; k < 7; ++k) {
                const int n = ((s - 1) * 3 + 5 * k) % kHighest[t] + 1;
                boards.boards[s].append(char(64 + n));
                const QPointF cm = markPosition(t, s, n);
                marks.append({cmToDots(cm.x(), dpi, 0, 0), cmToDots(cm.y(), dpi, 0, 0)});
            }
        }
        const QString path = dir.filePath(QStringLiteral("ticket%1-%2.pdf").arg(t).arg(dpi));
        QtPrintDevice device(path, dpi, QPageSize(QPageSize::A4), QMarginsF(marginMm, marginMm, marginMm, marginMm));
        FakePrompts prompts;
        const TranslationFile noTranslationFile;
        printTickets(device, prompts, Texts(&noTranslationFile, Language::French),
            TicketRun{t, TicketMode::PrintAll, 1, count}, boards, picked, PrintOffsets{});
        return path;
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
                return qAbs(word.box.left() - m.x() * dot) <= 1.5 * dot + 0.5 && qAbs(word.box.top() - m.y() * dot) <= 1.5;
            });
            QVERIFY2(match != marks.end(), qPrintable(QStringLiteral("X at %1, %2 pt").arg(word.box.left()).arg(word.box.top())));
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
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {"-r", "300", "-gray", "-aa", "no", "-aaVector", "no", "-singlefile", "-png", pdf, png}),
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
};

QTEST_MAIN(TestTicketPdf)
#include "test_ticketpdf.moc"
