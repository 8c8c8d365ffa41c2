// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt print device, writing real PDF files read back with pdftotext.
#include "core/errors.h"
#include "core/tickets/listprint.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "platform/qtprintdevice.h"
#include "support/pdfwords.h"

#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

using namespace quillon;
using namespace quillon::test;

class TestPrintDevice : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    static double toPoints(int pixels, int dpi) { return pixels * 72.0 / dpi; }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        if (!havePdfToText())
            QSKIP("pdftotext is not installed (poppler-utils)");
    }

    void pageSizeAndOffsetFollowTheMargins_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("marginMm");
        QTest::newRow("300 dpi, no margin") << 300 << 0.0;
        QTest::newRow("300 dpi, 5 mm") << 300 << 5.0;
        QTest::newRow("600 dpi, 4.2 mm") << 600 << 4.2;
    }
    void pageSizeAndOffsetFollowTheMargins()
    {
        QFETCH(int, dpi);
        QFETCH(double, marginMm);
        QtPrintDevice device(dir.filePath(QStringLiteral("size.pdf")), dpi, QPageSize(QPageSize::A4),
            QMarginsF(marginMm, marginMm, marginMm, marginMm));
        const auto px = [dpi](double mm) { return mm / 25.4 * dpi; };
        // Qt keeps page layouts in whole points: allow one point either way.
        const double slack = dpi / 72.0 + 1;
        QCOMPARE(device.dpiX(), dpi);
        QCOMPARE(device.dpiY(), dpi);
        QVERIFY(qAbs(device.printingOffset().x() - px(marginMm)) <= slack);
        QVERIFY(qAbs(device.printingOffset().y() - px(marginMm)) <= slack);
        QVERIFY(qAbs(device.pageSize().width() - px(210 - 2 * marginMm)) <= 2 * slack);
        QVERIFY(qAbs(device.pageSize().height() - px(297 - 2 * marginMm)) <= 2 * slack);
        // The printable area and the offset together make the sheet.
        QVERIFY(qAbs(device.pageSize().width() + 2 * device.printingOffset().x() - px(210)) <= 2 * slack);
    }

    // Text lands with its cell's top-left at the given point of the printable area,
    // pages break where asked, and the measured width is what the PDF shows.
    void textIsPlacedByTheTopOfItsCell()
    {
        const int dpi = 300;
        const double margin = 10.0;
        const QString path = dir.filePath(QStringLiteral("text.pdf"));
        QtPrintDevice device(path, dpi, QPageSize(QPageSize::A4), QMarginsF(margin, margin, margin, margin));
        device.beginDocument(QStringLiteral("Quillon: ticket 1 of 2"));
        device.setFont(QStringLiteral("Times New Roman"), 24, false);
        const QString title = QStringLiteral("LISTE");
        const int width = device.textWidth(title);
        const int height = device.textHeight(title);
        device.drawText(300, 600, title);
        device.fillRect(300, 900, 600, 1000);
        // Marks that absurd offsets pushed to the ends of the coordinate range fall
        // off the sheet, and draw nothing on it.
        constexpr int kFar = std::numeric_limits<int>::max();
        device.drawText(kFar, kFar, title);
        device.fillRect(-kFar - 1, -kFar - 1, -kFar - 1, -kFar - 1);
        device.newPage();
        device.setFont(QStringLiteral("Times New Roman"), 14, true);
        device.drawText(0, 0, QStringLiteral("SECOND"));
        device.endDocument();

        // A 24-point line is a little more than 24 points high.
        QVERIFY2(height > 24 * dpi / 72 && height < 30 * dpi / 72, qPrintable(QString::number(height)));

        const QList<PdfPage> pages = readPdfWords(path);
        QCOMPARE(pages.size(), 2);
        // The document's name is its title.
        QCOMPARE(readPdfTitle(path), QStringLiteral("Quillon: ticket 1 of 2"));
        QCOMPARE(pages[0].words.size(), 1);
        const PdfWord word = pages[0].words[0];
        QCOMPARE(word.text, title);
        const double marginPt = margin / 25.4 * 72;
        QVERIFY2(qAbs(word.box.left() - (marginPt + toPoints(300, dpi))) < 1.5,
            qPrintable(QString::number(word.box.left())));
        QVERIFY2(qAbs(word.box.top() - (marginPt + toPoints(600, dpi))) < 3.0,
            qPrintable(QString::number(word.box.top())));
        QVERIFY2(qAbs(word.box.width() - toPoints(width, dpi)) < 1.5,
            qPrintable(QString::number(word.box.width())));

        QCOMPARE(pages[1].words.size(), 1);
        QCOMPARE(pages[1].words[0].text, QStringLiteral("SECOND"));
        QVERIFY(qAbs(pages[1].words[0].box.left() - marginPt) < 1.5);
        QVERIFY(qAbs(pages[1].words[0].box.top() - marginPt) < 3.0);
    }

    // The list of system 7's 138 boards on A4 at 300 dpi, read back from the PDF:
    // the centred title, every board's numbers on its own line at the line pitch, and
    // each later page starting at 4 pitches from the top of the printable area.
    void boardListOnPdf()
    {
        Selection picked;
        for (int p = 1; p <= kSlotCount; ++p)
            picked.numbers[size_t(p)] = 10 + p;
        BoardList list;
        generate(Wheel::fromCatalogue(7), list);
        const int dpi = 300;
        const double margin = 5.0;
        const QString path = dir.filePath(QStringLiteral("list.pdf"));
        int pitch = 0;
        int height = 0;
        {
            QtPrintDevice device(
                path, dpi, QPageSize(QPageSize::A4), QMarginsF(margin, margin, margin, margin));
            device.setFont(QStringLiteral("Times New Roman"), 14, false);
            pitch = device.textHeight(QStringLiteral("WWWW")) + 10;
            height = device.pageSize().height();
            printBoardList(device, list, picked, QStringLiteral("Liste des grilles à jouer"));
        }
        const QList<PdfPage> pages = readPdfWords(path);
        QVERIFY(pages.size() >= 2);
        const double marginPt = margin / 25.4 * 72;
        const double pitchPt = toPoints(pitch, dpi);

        QStringList lines;
        QList<double> tops;
        for (int p = 0; p < pages.size(); ++p) {
            const QStringList pageLines = pdfLines(pages[p]);
            QVERIFY(!pageLines.isEmpty());
            lines += pageLines;
            // Tops of the lines on this page, by their first word.
            QList<double> pageTops;
            for (const PdfWord &word : pages[p].words) {
                if (pageTops.isEmpty() || word.box.top() - pageTops.last() > 1.0)
                    pageTops.append(word.box.top());
            }
            const int first = p == 0 ? 2 : 0; // the title takes two words
            if (p > 0)
                QVERIFY2(qAbs(pageTops[0] - (marginPt + 4 * pitchPt)) < 3.0,
                    qPrintable(QString::number(pageTops[0])));
            for (int k = first + 1; k < pageTops.size(); ++k)
                QVERIFY(qAbs(pageTops[k] - pageTops[k - 1] - pitchPt) < 0.5);
            // No line starts below H - 3L.
            QVERIFY(pageTops.last() <= marginPt + toPoints(height - 3 * pitch, dpi) + 0.5);
        }
        QCOMPARE(lines.size(), 1 + 138);
        QCOMPARE(lines[0], QStringLiteral("LISTE DES PARIS"));
        const PdfWord firstWord = pages[0].words[0];
        const double titleWidth = pages[0].words[2].box.right() - firstWord.box.left();
        const double pageWidth = toPoints(
            QtPrintDevice(path, dpi, QPageSize(QPageSize::A4), QMarginsF(margin, margin, margin, margin))
                .pageSize()
                .width(),
            dpi);
        QVERIFY(qAbs((firstWord.box.left() - marginPt) - (pageWidth - titleWidth) / 2) < 2.0);
        for (int i = 1; i <= 138; ++i)
            QCOMPARE(lines[i], boardListLine(list, picked, i).trimmed());
        QVERIFY(qAbs(pages[0].words[3].box.left() - (marginPt + toPoints(10, dpi))) < 1.0);
    }

    void aDocumentThatCannotStartIsAnError()
    {
        QtPrintDevice device(dir.filePath(QStringLiteral("no/such/folder/x.pdf")), 300);
        QVERIFY_THROWS_EXCEPTION(QuillonError, device.beginDocument(QStringLiteral("x")));
    }

    void noDefaultPrinterIsAnError()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        QtPrintDevice device;
        QVERIFY_THROWS_EXCEPTION(QuillonError, device.beginDocument(QStringLiteral("x")));
    }

    void anAbortedDocumentLeavesNoPages()
    {
        const QString path = dir.filePath(QStringLiteral("aborted.pdf"));
        {
            QtPrintDevice device(path, 300);
            device.beginDocument(QStringLiteral("x"));
            device.drawText(10, 10, QStringLiteral("GONE"));
            device.abortDocument();
        }
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestPrintDevice)
#include "test_printdevice.moc"
