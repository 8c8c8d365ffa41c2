// Whole tickets of each type printed on a real PDF by QPrinter: the X marks read back
// with pdftotext -bbox, the bars counted on the page rasterised by pdftoppm, both
// against markPosition measured from the sheet's edge.
#include "engine/boardlist.h"
#include "engine/selection.h"
#include "fakes/fakeplatform.h"
#include "output/ticketprint.h"
#include "output/tickettypes.h"
#include "platform/qtprintdevice.h"
#include "storage/settings.h"
#include "support/pdfwords.h"

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::test;

namespace {

// The highest number of each lottery's grid.
constexpr int kHighest[kTicketTypeCount + 1] = {0, 50, 47, 39, 27, 36};

// One full ticket of type t: board s holds seven numbers spread over the grid.
BoardList fullTicket(int t)
{
    for (int p = 1; p <= kSlotCount; ++p)
        selection().numbers[size_t(p)] = p;
    const int boards = ticketType(t).boardsPerTicket;
    BoardList list;
    list.boardCount = boards;
    list.boardSize = 7;
    list.boards.resize(boards + 1);
    for (int s = 1; s <= boards; ++s) {
        for (int k = 0; k < 7; ++k)
            list.boards[s].append(char(64 + ((s - 1) * 3 + 5 * k) % kHighest[t] + 1));
    }
    return list;
}

// The marks' points of the sheet in cm, in printing order.
QList<QPointF> expectedMarks(int t, const BoardList &boards)
{
    QList<QPointF> marks;
    for (int s = 1; s <= boards.boardCount; ++s) {
        for (int j = 1; j <= 7; ++j)
            marks.append(markPosition(t, s, numberAt(boards.boards[s], j)));
    }
    return marks;
}

constexpr double kPointsPerCm = 72 / 2.54;

} // namespace

class TestTicketPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString printTicket(int t, int dpi, double marginMm, const QString &name)
    {
        const QString path = dir.filePath(name);
        fillTicketTypeTable();
        const BoardList boards = fullTicket(t);
        QtPrintDevice device(path, dpi, QPageSize(QPageSize::A4), QMarginsF(marginMm, marginMm, marginMm, marginMm));
        FakePrompts prompts;
        printTickets(device, prompts, boards, t, PrintAllTickets, 1, boards.boardCount);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        if (!havePdfToText() || QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftotext and pdftoppm are not installed (poppler-utils)");
        settings() = SettingsRecord{};
    }

    void lettersFallOnTheirBoxes_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("marginMm");
        QTest::newRow("QUEBEC, 300 dpi") << 1 << 300 << 0.0;
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
        const QList<PdfPage> pages = readPdfWords(printTicket(t, dpi, marginMm, QStringLiteral("x%1.pdf").arg(t)));
        QCOMPARE(pages.size(), 1);
        QList<QPointF> expected = expectedMarks(t, fullTicket(t));
        QCOMPARE(pages[0].words.size(), expected.size());
        // Whatever margins the printer keeps, each X lies where the ruler puts it on
        // the sheet: its left edge within a dot and a half, its cell's top within the
        // difference between Qt's and poppler's idea of the font's ascent.
        const double dot = 72.0 / dpi;
        for (const PdfWord &word : pages[0].words) {
            QCOMPARE(word.text, QStringLiteral("X"));
            qsizetype found = -1;
            for (qsizetype k = 0; k < expected.size() && found < 0; ++k) {
                const QPointF mark = expected[k] * kPointsPerCm;
                if (qAbs(word.box.left() - mark.x()) <= 1.5 * dot + 0.5 && qAbs(word.box.top() - mark.y()) <= 1.5)
                    found = k;
            }
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("X at %1, %2 pt").arg(word.box.left()).arg(word.box.top())));
            expected.removeAt(found);
        }
    }

    void barsFillTheirBoxes_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("bar");
        QTest::newRow("300 dpi") << 300 << QSize(41, 24);
        QTest::newRow("600 dpi") << 600 << QSize(83, 47);
    }
    void barsFillTheirBoxes()
    {
        QFETCH(int, dpi);
        QFETCH(QSize, bar);
        const int t = 4;
        const QString pdf = printTicket(t, dpi, 0, QStringLiteral("bars%1.pdf").arg(dpi));
        const QString stem = dir.filePath(QStringLiteral("bars%1").arg(dpi));
        QProcess render;
        render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                                   QStringLiteral("-aa"), QStringLiteral("no"),
                                                   QStringLiteral("-aaVector"), QStringLiteral("no"),
                                                   QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, stem});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        // A whole A4 sheet at 600 dpi is larger than Qt reads by default.
        QImageReader::setAllocationLimit(1024);
        QImage page(stem + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        page = page.convertToFormat(QImage::Format_Grayscale8);
        const auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };

        // Every bar covers exactly its w × h dots from the mark point, and nothing
        // else on the sheet is dark.
        qint64 expectedDark = 0;
        for (const QPointF &cm : expectedMarks(t, fullTicket(t))) {
            const int x = cmToDots(cm.x(), dpi, 0, 0);
            const int y = cmToDots(cm.y(), dpi, 0, 0);
            for (int dy = -1; dy <= bar.height(); ++dy) {
                for (int dx = -1; dx <= bar.width(); ++dx) {
                    const bool inside = dx >= 0 && dy >= 0 && dx < bar.width() && dy < bar.height();
                    if (dark(x + dx, y + dy) != inside)
                        QFAIL(qPrintable(QStringLiteral("bar at %1, %2: dot %3, %4").arg(x).arg(y).arg(dx).arg(dy)));
                }
            }
            expectedDark += bar.width() * bar.height();
        }
        qint64 darkDots = 0;
        for (int y = 0; y < page.height(); ++y) {
            const uchar *line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x)
                darkDots += line[x] < 128;
        }
        QCOMPARE(darkDots, expectedDark);
    }
};

QTEST_MAIN(TestTicketPdf)
#include "test_ticketpdf.moc"
