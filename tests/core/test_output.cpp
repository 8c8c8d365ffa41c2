// SPDX-License-Identifier: GPL-3.0-or-later
// The printed list of boards on the recording printer, the way to PDF files without a
// printer, and the text export.
#include "core/draw/rating.h"
#include "core/errors.h"
#include "core/files/export.h"
#include "core/text/translationfile.h"
#include "core/tickets/listprint.h"
#include "core/tickets/printorpdf.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/catalogue.h"
#include "core/wheels/selection.h"
#include "support/fakeplatform.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::test;

namespace {

QStringList boxes(std::initializer_list<const char *> numbers)
{
    QStringList texts;
    for (const char *n : numbers)
        texts.append(QString::fromLatin1(n));
    while (texts.size() < kBoxCount)
        texts.append(QString());
    return texts;
}

// A list of count boards, board i holding the numbers i, i + 1, … i + 6 through
// slots 1 … 50 that hold their own index.
BoardList syntheticList(int count)
{
    BoardList list;
    list.boardCount = count;
    list.boardSize = 7;
    list.boards.resize(count + 1);
    for (int i = 1; i <= count; ++i) {
        QByteArray board;
        for (int k = 0; k < 7; ++k)
            board += char(64 + 1 + (i - 1 + k) % 50);
        list.boards[i] = board;
    }
    return list;
}

// The boards of catalogue system s.
BoardList boardsOf(int system)
{
    BoardList list;
    generate(Wheel::fromCatalogue(system), list);
    return list;
}

// Writes until limit bytes have gone, then fails as a full disk does.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit)
        : m_limit(limit)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (written.size() + size > m_limit) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written.append(data, size);
        return size;
    }

private:
    qint64 m_limit;
};

} // namespace

class TestOutput : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Selection picked;

private slots:
    void init()
    {
        for (int p = 1; p <= kSlotCount; ++p)
            picked.numbers[size_t(p)] = p;
    }

    void listLineEndsEveryNumberWithASpace()
    {
        readSelection(boxes({ "5", "9", "14", "21", "27", "33", "38", "40", "44" }), picked);
        BoardList list;
        generate(Wheel::fromCatalogue(3), list);
        QCOMPARE(boardListLine(list, picked, 1), QStringLiteral("5 9 14 21 27 33 38 "));
        QCOMPARE(boardListLine(list, picked, 4), QStringLiteral("5 9 14 21 38 40 44 "));
    }

    // Page breaks at the pitch: a new page as soon as y passes H - 3L after a line,
    // later pages starting at 4L, and no empty page after the last line.
    void listPagesBreakAtThePitch_data()
    {
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<int>("boards");
        QTest::addColumn<QList<int>>("linesPerPage");
        // 300 dpi: the recording printer's 14-point line is 70 high, so L = 80; the
        // 24-point line is 120, so the first line lies at 50 + 120 + 320 = 490.
        // Page 1 takes lines while y <= H - 240 after each; later pages start at 320.
        QTest::newRow("one page") << 3200 << 6 << QList<int> { 6 };
        QTest::newRow("first page exactly full") << 3200 << 31 << QList<int> { 31 };
        QTest::newRow("one line over") << 3200 << 32 << QList<int> { 31, 1 };
        QTest::newRow("three pages") << 3200 << 100 << QList<int> { 31, 34, 34, 1 };
        QTest::newRow("2784 boards") << 3200 << 2784 << QList<int> { 31, 34 }; // first two pages only
    }
    void listPagesBreakAtThePitch()
    {
        QFETCH(int, pageHeight);
        QFETCH(int, boards);
        QFETCH(QList<int>, linesPerPage);
        FakePlatform fakes;
        fakes.printLog->page = QSize(2400, pageHeight);
        auto device = platform().openDefaultPrinter();
        const BoardList list = syntheticList(boards);
        printBoardList(*device, list, picked, QStringLiteral("Liste des grilles à jouer"));

        QCOMPARE(fakes.printLog->documents.size(), 1);
        const PrintedDocument &doc = fakes.printLog->documents[0];
        QVERIFY(doc.ended);
        QCOMPARE(doc.name, QStringLiteral("Quillon: list of boards"));
        const int pitch = fakes.printLog->textHeight(14) + 10;
        QCOMPARE(pitch, 80);

        // The title: centred, at y = 50, 24-point Times New Roman, in every language.
        const PrintOp title = doc.pages[0][0];
        QCOMPARE(title.text, QStringLiteral("LISTE DES PARIS"));
        QCOMPARE(title.y, 50);
        QCOMPARE(title.x, (2400 - fakes.printLog->textWidth(title.text, 24)) / 2);
        QCOMPARE(title.family, QStringLiteral("Times New Roman"));
        QCOMPARE(title.pointSize, 24);

        int line = 0;
        for (int p = 0; p < linesPerPage.size(); ++p) {
            const QList<PrintOp> ops = doc.pages[p].mid(p == 0 ? 1 : 0);
            QCOMPARE(ops.size(), linesPerPage[p]);
            const int top = p == 0 ? 50 + fakes.printLog->textHeight(24) + 4 * pitch : 4 * pitch;
            for (int k = 0; k < ops.size(); ++k) {
                ++line;
                QCOMPARE(ops[k].x, 10);
                QCOMPARE(ops[k].y, top + k * pitch);
                QCOMPARE(ops[k].pointSize, 14);
                QCOMPARE(ops[k].family, QStringLiteral("Times New Roman"));
                QCOMPARE(ops[k].text, boardListLine(list, picked, line));
            }
            // The last line of a full page is the last that leaves y within H - 3L.
            if (p + 1 < doc.pages.size()) {
                QVERIFY(ops.last().y <= pageHeight - 3 * pitch);
                QVERIFY(ops.last().y + pitch > pageHeight - 3 * pitch);
            }
        }
        if (boards != 2784) {
            QCOMPARE(doc.pages.size(), linesPerPage.size());
        } else {
            int printed = 0;
            for (const QList<PrintOp> &page : doc.pages)
                printed += page.size();
            QCOMPARE(printed, 2784 + 1);
        }
    }

    void aPrinterThatCannotStartPrintsNothing()
    {
        FakePlatform fakes;
        fakes.printLog->failBegin = true;
        auto device = platform().openDefaultPrinter();
        QVERIFY_THROWS_EXCEPTION(
            QuillonError, printBoardList(*device, syntheticList(6), picked, QStringLiteral("x")));
        QVERIFY(fakes.printLog->documents.isEmpty());
    }

    // A command prints on the printer when there is one; without one it asks before
    // anything is drawn, and where no printer device can be had it says so.
    void printingOffersPdfOnlyWithoutAPrinter_data()
    {
        QTest::addColumn<bool>("printerOpens");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("pdfService");
        QTest::addColumn<bool>("agrees");
        QTest::addColumn<QString>("result"); // "printed", "not printed" or "error"
        QTest::addColumn<int>("questions");
        QTest::newRow("printer") << true << true << true << true << "printed" << 0;
        QTest::newRow("no printer, declined") << true << false << true << false << "not printed" << 1;
        QTest::newRow("no printer, no file chosen") << true << false << true << true << "not printed" << 1;
        QTest::newRow("no printer device") << false << true << true << true << "error" << 0;
        QTest::newRow("no printer, no PDF device") << true << false << false << true << "error" << 0;
    }
    void printingOffersPdfOnlyWithoutAPrinter()
    {
        QFETCH(bool, printerOpens);
        QFETCH(bool, installed);
        QFETCH(bool, pdfService);
        QFETCH(bool, agrees);
        FakePlatform fakes;
        fakes.printLog->installed = installed;
        if (!printerOpens)
            platform().openDefaultPrinter = [] { return std::unique_ptr<PrintDevice>(); };
        if (pdfService)
            platform().openPdfFiles = [] { return std::unique_ptr<PdfFilesDevice>(); };
        fakes.prompts.answers.enqueue(agrees ? Prompts::Answer::Yes : Prompts::Answer::No);
        const TranslationFile noTranslationFile;
        QList<bool> runs; // toPdfFiles of each run
        QString result;
        try {
            result = printOrSaveAsPdf(Texts(&noTranslationFile, Language::French), PdfFileSplit::OneFile,
                         [&](PrintDevice &device, bool toPdfFiles) {
                             runs.append(toPdfFiles);
                             printBoardList(device, syntheticList(3), picked, QStringLiteral("x"));
                         })
                ? QStringLiteral("printed")
                : QStringLiteral("not printed");
        } catch (const QuillonError &) {
            result = QStringLiteral("error");
        }
        QTEST(result, "result");
        QTEST(int(fakes.prompts.messages().size()), "questions");
        QCOMPARE(runs, result == QStringLiteral("printed") ? QList<bool> { false } : QList<bool>());
        QCOMPARE(fakes.printLog->documentsEnded(), result == QStringLiteral("printed") ? 1 : 0);
    }

    // A wheel read from a file, with no catalogue index behind it, reaches the list, the
    // export and the comparison the way a catalogue system does.
    void aWheelReadFromAFileFeedsEveryOutput()
    {
        QString error;
        const Wheel wheel = readWheelTable(5, 6, 9, "ABCDEFG\nCDEFGHI\n", &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(wheel.catalogueIndex(), 0);
        readSelection(boxes({ "10", "20", "30", "40", "50", "60", "70", "80", "90" }), picked);
        BoardList list;
        generate(wheel, list);
        QCOMPARE(list.boardCount, 2);
        QCOMPARE(boardListLine(list, picked, 2), QStringLiteral("30 40 50 60 70 80 90 "));
        QBuffer exported;
        exported.open(QIODevice::WriteOnly);
        generateExport(list, picked, exported);
        QCOMPARE(exported.data(), QByteArray("10,20,30,40,50,60,70,\r\n30,40,50,60,70,80,90,\r\n"));
        DrawState draw;
        readDraw({ "30", "40", "50", "60", "70", "80", "90", "", "" }, draw);
        QCOMPARE(
            compareBoards(list, picked, draw, QStringLiteral("Comp")).results, QStringList({ "5", "7" }));
    }

    void aBadWheelFileLoadsNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("no end of line") << QByteArray("ABCDEFG\nCDEFGHI") << "line 2:";
        QTest::newRow("six letters") << QByteArray("ABCDEFG\nABCDEF\n") << "line 2:";
        QTest::newRow("past the pool") << QByteArray("ABCDEFJ\n") << "line 1:";
        QTest::newRow("out of order") << QByteArray("ABCDEFG\nABCDEGF\n") << "line 2:";
        QTest::newRow("a letter twice") << QByteArray("ABCDEFF\n") << "line 1:";
        QTest::newRow("empty") << QByteArray() << "line 1:";
    }
    void aBadWheelFileLoadsNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, line);
        QString error;
        QVERIFY(readWheelTable(5, 6, 9, text, &error).isEmpty());
        QVERIFY2(error.startsWith(line), qPrintable(error));
    }

    void exportLines_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("board");
        QTest::addColumn<QByteArray>("line");
        const QStringList example = boxes({ "5", "9", "14", "21", "27", "33", "38", "40", "44" });
        QTest::newRow("example") << example << 3 << 1 << QByteArray("5,9,14,21,27,33,38,\r\n");
        QTest::newRow("position order") << boxes({ "44", "9", "14", "21", "27", "33", "38", "40", "5" }) << 3
                                        << 1 << QByteArray("44,9,14,21,27,33,38,\r\n");
        QTest::newRow("a box read as 0") << boxes({ "0", "9", "14", "21", "27", "33", "38", "40", "44" }) << 3
                                         << 4 << QByteArray("0,9,14,21,38,40,44,\r\n");
    }
    void exportLines()
    {
        QFETCH(QStringList, numbers);
        QFETCH(int, system);
        QFETCH(int, board);
        QFETCH(QByteArray, line);
        readSelection(numbers, picked);
        QCOMPARE(exportLine(Wheel::fromCatalogue(system).board(board), picked), line);
    }

    void exportWritesOneLinePerBoard_data()
    {
        QTest::addColumn<int>("system");
        QTest::newRow("system 1") << 1;
        QTest::newRow("system 7") << 7;
    }
    void exportWritesOneLinePerBoard()
    {
        QFETCH(int, system);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        generateExport(boardsOf(system), picked, buffer);
        const QByteArray data = buffer.data();
        const int count = systemDescriptor(system).boardCount;
        QCOMPARE(data.count("\r\n"), count);
        QCOMPARE(data.count('\n'), count);
        QVERIFY(data.endsWith("\r\n"));
        const QList<QByteArray> lines = data.split('\n');
        for (int j = 1; j <= count; ++j) {
            QCOMPARE(lines[j - 1].count(','), 7);
            QCOMPARE(lines[j - 1] + '\n', exportLine(Wheel::fromCatalogue(system).board(j), picked));
        }
    }

    void aFailedWriteStopsWithTheDevicesReason()
    {
        FailingDevice device(50);
        try {
            generateExport(boardsOf(7), picked, device);
            QFAIL("no error");
        } catch (const QuillonError &error) {
            QCOMPARE(error.text(), QStringLiteral("No space left on device"));
        }
        // Whole lines only went before the failure.
        QVERIFY(device.written.endsWith("\r\n"));
    }

    void exportFileIsReplacedWhole()
    {
        const QString path = dir.filePath(QStringLiteral("boards.txt"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(5000, 'x'));
        }
        exportBoards(boardsOf(1), picked, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray first = file.readAll();
        QCOMPARE(first.count("\r\n"), 6);
        QVERIFY(!first.contains('x'));
        file.close();
        // The same export again gives the same bytes.
        exportBoards(boardsOf(1), picked, path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first);
    }

    void anUnwritableFileIsAnErrorNamingIt()
    {
        const QString path = dir.filePath(QStringLiteral("no/such/folder/boards.txt"));
        try {
            exportBoards(boardsOf(1), picked, path);
            QFAIL("no error");
        } catch (const QuillonError &error) {
            QVERIFY2(error.text().startsWith(QDir::toNativeSeparators(path) + QStringLiteral(": ")),
                qPrintable(error.text()));
            QVERIFY(error.text().size() > path.size() + 2);
        }
        QVERIFY(!QFile::exists(path));
    }

    void defaultSuffix_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("path");
        QTest::newRow("no extension") << "/tmp/boards"
                                      << "/tmp/boards.txt";
        QTest::newRow("txt") << "/tmp/boards.txt"
                             << "/tmp/boards.txt";
        QTest::newRow("other extension") << "/tmp/boards.csv"
                                         << "/tmp/boards.csv";
        QTest::newRow("dotted folder") << "/tmp/a.b/boards"
                                       << "/tmp/a.b/boards.txt";
        QTest::newRow("trailing dot") << "/tmp/boards."
                                      << "/tmp/boards.";
    }
    void defaultSuffix()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, path);
        QCOMPARE(withDefaultSuffix(chosen, QStringLiteral("txt")), path);
    }

    void suffixSwapped_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("game name") << "/tmp/jeu.qz"
                                   << "/tmp/jeu.txt";
        QTest::newRow("last extension only") << "/tmp/a.b/jeu.v2.qz"
                                             << "/tmp/a.b/jeu.v2.txt";
        QTest::newRow("no extension, dotted folder") << "/tmp/a.b/jeu"
                                                     << "/tmp/a.b/jeu.txt";
        QTest::newRow("trailing dot") << "/tmp/jeu."
                                      << "/tmp/jeu.txt";
        QTest::newRow("hidden file") << "/tmp/.qz"
                                     << "/tmp/.qz.txt";
        QTest::newRow("nothing chosen yet") << ""
                                            << "";
    }
    void suffixSwapped()
    {
        QFETCH(QString, last);
        QTEST(withSuffix(last, QStringLiteral("txt")), "proposed");
    }
};

QTEST_GUILESS_MAIN(TestOutput)
#include "test_output.moc"
