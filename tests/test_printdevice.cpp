// The Qt print device, writing real PDF files read back with pdftotext.
#include "app/errors.h"
#include "platform/qtprintdevice.h"
#include "support/pdfwords.h"

#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

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
        device.beginDocument();
        device.setFont(QStringLiteral("Times New Roman"), 24, false);
        const QString title = QStringLiteral("LISTE");
        const int width = device.textWidth(title);
        const int height = device.textHeight(title);
        device.drawText(300, 600, title);
        device.fillRect(300, 900, 600, 1000);
        device.newPage();
        device.setFont(QStringLiteral("Times New Roman"), 14, true);
        device.drawText(0, 0, QStringLiteral("SECOND"));
        device.endDocument();

        // A 24-point line is a little more than 24 points high.
        QVERIFY2(height > 24 * dpi / 72 && height < 30 * dpi / 72, qPrintable(QString::number(height)));

        const QList<PdfPage> pages = readPdfWords(path);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].words.size(), 1);
        const PdfWord word = pages[0].words[0];
        QCOMPARE(word.text, title);
        const double marginPt = margin / 25.4 * 72;
        QVERIFY2(qAbs(word.box.left() - (marginPt + toPoints(300, dpi))) < 1.5, qPrintable(QString::number(word.box.left())));
        QVERIFY2(qAbs(word.box.top() - (marginPt + toPoints(600, dpi))) < 3.0, qPrintable(QString::number(word.box.top())));
        QVERIFY2(qAbs(word.box.width() - toPoints(width, dpi)) < 1.5, qPrintable(QString::number(word.box.width())));

        QCOMPARE(pages[1].words.size(), 1);
        QCOMPARE(pages[1].words[0].text, QStringLiteral("SECOND"));
        QVERIFY(qAbs(pages[1].words[0].box.left() - marginPt) < 1.5);
        QVERIFY(qAbs(pages[1].words[0].box.top() - marginPt) < 3.0);
    }

    void aDocumentThatCannotStartIsAnError()
    {
        QtPrintDevice device(dir.filePath(QStringLiteral("no/such/folder/x.pdf")), 300);
        QVERIFY_THROWS_EXCEPTION(QuillonError, device.beginDocument());
    }

    void noDefaultPrinterIsAnError()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        QtPrintDevice device;
        QVERIFY_THROWS_EXCEPTION(QuillonError, device.beginDocument());
    }

    void anAbortedDocumentLeavesNoPages()
    {
        const QString path = dir.filePath(QStringLiteral("aborted.pdf"));
        {
            QtPrintDevice device(path, 300);
            device.beginDocument();
            device.drawText(10, 10, QStringLiteral("GONE"));
            device.abortDocument();
        }
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestPrintDevice)
#include "test_printdevice.moc"
