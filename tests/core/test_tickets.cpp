// SPDX-License-Identifier: GPL-3.0-or-later
// Ticket geometry and the ticket printing run on the recording printer.
#include "core/errors.h"
#include "core/text/messages.h"
#include "core/text/translationfile.h"
#include "core/text/translator.h"
#include "core/tickets/calibration.h"
#include "core/tickets/pdffiles.h"
#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "support/fakeplatform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

using namespace quillon;
using test::PrintOp;

namespace {

// Board i holds the numbers i … i + 6, so a mark tells which board it belongs to.
BoardList consecutiveBoards(int count)
{
    BoardList list { { QByteArray() }, count, 7 };
    for (int i = 1; i <= count; ++i) {
        list.boards.append(QByteArray());
        for (int p = i; p < i + 7; ++p)
            list.boards[i].append(char(64 + p));
    }
    return list;
}

// Slot p holds the number p.
Selection ownIndexSlots()
{
    Selection selection;
    for (int p = 1; p <= kSlotCount; ++p)
        selection.numbers[size_t(p)] = p;
    return selection;
}

// The points where the run must mark each ticket's boards (listed slot by slot).
QList<QList<QPoint>> expectedTickets(
    PrintDevice &device, const PrintOffsets &offsets, int t, const QList<QList<int>> &tickets)
{
    QList<QList<QPoint>> result;
    for (const QList<int> &boards : tickets) {
        result.emplaceBack();
        for (qsizetype s = 0; s < boards.size(); ++s) {
            for (int n = boards[s]; n < boards[s] + 7; ++n) {
                const QPointF cm = markPosition(t, int(s + 1), n);
                result.last().append({ cmToDevice(device, offsets, Axis::Horizontal, cm.x()),
                    cmToDevice(device, offsets, Axis::Vertical, cm.y()) });
            }
        }
    }
    return result;
}

QStringList documentNames(const test::PrintLog &log)
{
    QStringList names;
    for (const test::PrintedDocument &doc : log.documents)
        names.append(doc.name);
    return names;
}

QList<QList<QPoint>> printedTickets(const test::PrintLog &log)
{
    QList<QList<QPoint>> result;
    for (const test::PrintedDocument &doc : log.documents) {
        result.emplaceBack();
        for (const PrintOp &op : doc.pages.first())
            result.last().append({ op.x, op.y });
    }
    return result;
}

// Notes, at each question, how many documents the printer had been given.
struct WatchingPrompts : test::FakePrompts {
    std::shared_ptr<test::PrintLog> log;
    QList<qsizetype> documentsAtPrompt;
    Answer message(const QString &text, const QString &caption, Buttons buttons, Icon icon) override
    {
        documentsAtPrompt.append(log->documents.size());
        return FakePrompts::message(text, caption, buttons, icon);
    }
};

} // namespace

class TestTickets : public QObject {
    Q_OBJECT

    std::shared_ptr<test::PrintLog> log;
    PrintOffsets offsets;
    const TranslationFile noTranslationFile;

    // Prints boards first … last of twelve consecutive boards.
    void print(PrintDevice &device, Prompts &prompts, int t, TicketMode mode, int first, int last)
    {
        printTickets(device, prompts, Texts(&noTranslationFile, Language::French),
            TicketRun { t, mode, first, last }, consecutiveBoards(12), ownIndexSlots(), offsets);
    }

private slots:
    void init()
    {
        log = std::make_shared<test::PrintLog>();
        offsets = PrintOffsets {};
    }

    void markPosition_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("n");
        QTest::addColumn<QPointF>("cm");
        QTest::newRow("1: row 0 starts at column 1") << 1 << 1 << 1 << QPointF(1.6, 6.18);
        QTest::newRow("1: 10 starts row 1") << 1 << 1 << 10 << QPointF(1.02, 6.66);
        QTest::newRow("1: slot 2 lies below") << 1 << 2 << 49 << QPointF(6.24, 10.5);
        QTest::newRow("2: columns of ten") << 2 << 1 << 1 << QPointF(4.0, 3.4);
        QTest::newRow("2: slot 5 to the right") << 2 << 5 << 47 << QPointF(15.2, 6.4);
        QTest::newRow("3: boardsPerRow ignored") << 3 << 10 << 39 << QPointF(15.03, 7.1);
        QTest::newRow("4: origin") << 4 << 1 << 1 << QPointF(1.1, 9.35);
        QTest::newRow("4: slot 4") << 4 << 4 << 27 << QPointF(6.18, 15.06);
        QTest::newRow("5: slot 7 in the second row") << 5 << 7 << 36 << QPointF(7.89, 5.69);
        QTest::newRow("5: 14 in column 1 of row 2") << 5 << 3 << 14 << QPointF(8.67, 1.71);
        QTest::newRow("2: 51 past the last column") << 2 << 1 << 51 << QPointF(6.0, 3.4);
    }
    void markPosition()
    {
        QFETCH(int, t);
        QFETCH(int, s);
        QFETCH(int, n);
        QFETCH(QPointF, cm);
        const QPointF p = quillon::markPosition(t, s, n);
        QVERIFY2(qAbs(p.x() - cm.x()) < 1e-9 && qAbs(p.y() - cm.y()) < 1e-9,
            qPrintable(QStringLiteral("%1, %2").arg(p.x(), 0, 'g', 17).arg(p.y(), 0, 'g', 17)));
        QCOMPARE(ticketTypeNames().first(), QStringLiteral("QUEBEC LOTTO MAX "));
    }

    // Number 1 in slot 1 of type 1, (1.6, 6.18) cm, and the sizes of the bars, which
    // are differences of rounded places and so may move by a dot with the offsets.
    // The two axes get different figures, so that one read for the other shows.
    void deviceFigures_data()
    {
        constexpr int kLowest = std::numeric_limits<int>::min();
        constexpr int kHighest = std::numeric_limits<int>::max();
        QTest::addColumn<QSize>("dpi");
        QTest::addColumn<QPoint>("printerOffset");
        QTest::addColumn<QPoint>("userOffset");
        QTest::addColumn<QPoint>("mark");
        QTest::addColumn<QSize>("bar2");
        QTest::addColumn<QSize>("bar1");
        QTest::newRow("300 dpi") << QSize(300, 300) << QPoint(0, 0) << QPoint(0, 0) << QPoint(189, 730)
                                 << QSize(41, 24) << QSize(41, 12);
        QTest::newRow("600 dpi") << QSize(600, 600) << QPoint(0, 0) << QPoint(0, 0) << QPoint(378, 1460)
                                 << QSize(83, 47) << QSize(83, 24);
        QTest::newRow("300 dpi across, 600 down") << QSize(300, 600) << QPoint(0, 0) << QPoint(0, 0)
                                                  << QPoint(189, 1460) << QSize(41, 47) << QSize(41, 24);
        QTest::newRow("5 mm right, 3 mm up") << QSize(300, 300) << QPoint(0, 0) << QPoint(5, -3)
                                             << QPoint(248, 694) << QSize(41, 23) << QSize(41, 11);
        QTest::newRow("printer offset 50 across, 20 down")
            << QSize(300, 300) << QPoint(50, 20) << QPoint(0, 0) << QPoint(139, 710) << QSize(41, 24)
            << QSize(41, 12);
        // Offsets no dialog gives, from a damaged settings file: the marks go as far
        // as a coordinate can, on the side the offset points to.
        QTest::newRow("absurd offsets") << QSize(300, 300) << QPoint(0, 0) << QPoint(kHighest, kLowest)
                                        << QPoint(kHighest, kLowest) << QSize(0, 0) << QSize(0, 0);
    }
    void deviceFigures()
    {
        QFETCH(QSize, dpi);
        QFETCH(QPoint, printerOffset);
        QFETCH(QPoint, userOffset);
        QFETCH(QPoint, mark);
        QFETCH(QSize, bar2);
        QFETCH(QSize, bar1);
        log->dpiX = dpi.width();
        log->dpiY = dpi.height();
        log->offset = printerOffset;
        offsets = { userOffset.x(), userOffset.y() };
        test::RecordingPrintDevice device(log);
        QCOMPARE(QPoint(cmToDevice(device, offsets, Axis::Horizontal, 1.6),
                     cmToDevice(device, offsets, Axis::Vertical, 6.18)),
            mark);

        device.beginDocument(QStringLiteral("marks"));
        for (int kind : { 0, 1, 2, 3, 4, 5 })
            drawMark(device, offsets, 10, 20, MarkKind(kind));
        // A bar whose corner lies at the end of the coordinate range ends there too.
        drawMark(device, offsets, std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
            MarkKind::Bar2mm);
        const QList<PrintOp> ops = log->documents.first().pages.first();
        QCOMPARE(ops.size(), 5); // kinds 0 and 5 draw nothing
        QCOMPARE(ops[0].text, QStringLiteral("X"));
        QCOMPARE(QPoint(ops[0].x, ops[0].y), QPoint(10, 20));
        const QSize bars[] = { bar2, bar1, bar1 };
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(QRect(ops[k].x, ops[k].y, ops[k].x2 - ops[k].x, ops[k].y2 - ops[k].y),
                QRect(QPoint(10, 20), bars[k - 1]));
        QCOMPARE(QPoint(ops[4].x2, ops[4].y2),
            QPoint(std::numeric_limits<int>::max(), std::numeric_limits<int>::max()));
        // 1.27 cm is half an inch: an exact half of a dot goes to the even neighbour.
        QCOMPARE(cmToDots(1.27, 5, 0, 0), 2);
        QCOMPARE(cmToDots(1.27, 7, 0, 0), 4);
    }

    void oneDocumentPerTicket_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QList<QList<int>>>("tickets"); // boards of each ticket, slot 1 first
        QTest::newRow("12 boards on type 1")
            << 1 << 1 << 12 << QList<QList<int>> { { 1, 2, 3, 4, 5 }, { 6, 7, 8, 9, 10 }, { 11, 12 } };
        QTest::newRow("type 4 from board 3") << 4 << 3 << 7 << QList<QList<int>> { { 3, 4, 5, 6 }, { 7 } };
        QTest::newRow("type 3 from board 2")
            << 3 << 2 << 12 << QList<QList<int>> { { 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }, { 12 } };
        QTest::newRow("type 5, clipped to the boards")
            << 5 << -4 << 40 << QList<QList<int>> { { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 11, 12 } };
        QTest::newRow("empty range feeds nothing") << 1 << 9 << 8 << QList<QList<int>> {};
    }
    void oneDocumentPerTicket()
    {
        QFETCH(int, t);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QList<QList<int>>, tickets);
        log->offset = QPoint(20, 30);
        offsets.horizontalMm = 2;
        test::RecordingPrintDevice device(log);
        test::FakePrompts prompts;
        print(device, prompts, t, TicketMode::PrintAll, first, last);
        QVERIFY(prompts.calls.isEmpty());
        QCOMPARE(printedTickets(*log), expectedTickets(device, offsets, t, tickets));
        QStringList names;
        for (qsizetype k = 1; k <= tickets.size(); ++k)
            names.append(QStringLiteral("Quillon: ticket %1 of %2").arg(k).arg(tickets.size()));
        QCOMPARE(documentNames(*log), names);
        for (const test::PrintedDocument &doc : log->documents) {
            QVERIFY(doc.ended && !doc.aborted);
            const PrintOp &op = doc.pages.first().first();
            QCOMPARE(op.kind, t == 4 ? PrintOp::Rect : PrintOp::Text);
            if (t != 4)
                QVERIFY(op.family == QLatin1String("Courier") && op.pointSize == 10 && op.bold);
        }

        // Each ticket printed alone, as the preview draws it, is the ticket of the whole run.
        const TicketRun run { t, TicketMode::PrintAll, first, last };
        QCOMPARE(ticketCount(run, consecutiveBoards(12)), int(tickets.size()));
        for (int i = 0; i < int(tickets.size()); ++i) {
            log->documents.clear();
            printTickets(device, prompts, Texts(&noTranslationFile, Language::French), ticketOfRun(run, i),
                consecutiveBoards(12), ownIndexSlots(), offsets);
            QCOMPARE(printedTickets(*log), expectedTickets(device, offsets, t, { tickets[i] }));
        }
    }

    void stopBeforeEachTicket_data()
    {
        QTest::addColumn<QList<Prompts::Answer>>("answers");
        QTest::addColumn<QList<qsizetype>>("documentsAtPrompt");
        QTest::addColumn<QList<QList<int>>>("tickets");
        QTest::newRow("Ok") << QList<Prompts::Answer> {} << QList<qsizetype> { 1, 2 }
                            << QList<QList<int>> { { 1, 2, 3, 4, 5 }, { 6, 7, 8, 9, 10 }, { 11, 12 } };
        QTest::newRow("Cancel at the first prompt")
            << QList<Prompts::Answer> { Prompts::Answer::Cancel } << QList<qsizetype> { 1 }
            << QList<QList<int>> { { 1, 2, 3, 4, 5 } };
    }
    void stopBeforeEachTicket()
    {
        QFETCH(QList<Prompts::Answer>, answers);
        QFETCH(QList<qsizetype>, documentsAtPrompt);
        QFETCH(QList<QList<int>>, tickets);
        test::RecordingPrintDevice device(log);
        WatchingPrompts prompts;
        prompts.log = log;
        prompts.answers.append(answers);
        print(device, prompts, 1, TicketMode::StopEachTicket, 1, 12);
        // Asked before boards 6 and 11, once the full ticket was sent; a refused
        // ticket is never begun, so nothing else goes to the printer.
        QCOMPARE(prompts.documentsAtPrompt, documentsAtPrompt);
        QCOMPARE(prompts.calls.first().buttons, Prompts::Buttons::OkCancel);
        QCOMPARE(prompts.calls.first().icon, Prompts::Icon::Question);
        QCOMPARE(printedTickets(*log), expectedTickets(device, offsets, 1, tickets));
        for (const test::PrintedDocument &doc : log->documents)
            QVERIFY(doc.ended && !doc.aborted);
    }

    // 12 boards on type 1, five a ticket. The run stops at the first ticket the
    // printer did not take, names it, and leaves no document open.
    void aFailingPrinterStopsTheRun_data()
    {
        QTest::addColumn<TicketMode>("mode");
        QTest::addColumn<int>("failAtMark"); // 0: drawing never fails
        QTest::addColumn<int>("goneAfter");
        QTest::addColumn<int>("refusedAfter");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("documents");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<int>("language");
        const int en = int(Language::English);
        // The 40th mark is the 5th of board 6, on the second ticket.
        QTest::newRow("drawing fails on ticket 2")
            << TicketMode::PrintAll << 40 << -1 << -1 << "Printer not ready"
            << QStringList { "ended", "aborted" } << 0 << en;
        QTest::newRow("gone before the first ticket")
            << TicketMode::PrintAll << 0 << 0 << -1
            << "The printer \"Recording\" is no longer available. Ticket 1 (boards 1 to 5) was not printed."
            << QStringList {} << 0 << en;
        QTest::newRow("gone while the next ticket goes in")
            << TicketMode::StopEachTicket << 0 << 1 << -1
            << "The printer \"Recording\" is no longer available. Ticket 2 (boards 6 to 10) was not printed."
            << QStringList { "ended" } << 1 << en;
        // Said in the player's language, the printer's reason as well.
        QTest::newRow("gone, in French") << TicketMode::StopEachTicket << 0 << 1 << -1
                                         << "L'imprimante « Recording » n'est plus disponible. Le ticket 2 "
                                            "(grilles 6 à 10) n'a pas été imprimé."
                                         << QStringList { "ended" } << 1 << int(Language::French);
        QTest::newRow("refused, in Croatian")
            << TicketMode::PrintAll << 0 << -1 << 0
            << "Pisač „Recording” ne prima poslove. Listić 1 (kombinacije 1 do 5) nije isprintan."
            << QStringList { "ended" } << 0 << int(Language::Croatian);
        QTest::newRow("ticket 2 refused")
            << TicketMode::StopEachTicket << 0 << -1 << 1
            << "The printer \"Recording\" does not accept jobs. Ticket 2 (boards 6 to 10) was not printed."
            << QStringList { "ended", "ended" } << 1 << en;
        QTest::newRow("last ticket refused")
            << TicketMode::PrintAll << 0 << -1 << 2
            << "The printer \"Recording\" does not accept jobs. Ticket 3 (boards 11 to 12) was not printed."
            << QStringList { "ended", "ended", "ended" } << 0 << en;
        QTest::newRow("gone after the last ticket") << TicketMode::StopEachTicket << 0 << 3 << -1 << QString()
                                                    << QStringList { "ended", "ended", "ended" } << 2 << en;
    }
    void aFailingPrinterStopsTheRun()
    {
        QFETCH(TicketMode, mode);
        QFETCH(int, failAtMark);
        QFETCH(int, goneAfter);
        QFETCH(int, refusedAfter);
        QFETCH(QString, error);
        QFETCH(QStringList, documents);
        QFETCH(int, prompts);
        QFETCH(int, language);
        ProgramTranslator translator;
        QVERIFY(translator.use(Language(language)) || language == int(Language::English));
        struct Failing : test::RecordingPrintDevice {
            using RecordingPrintDevice::RecordingPrintDevice;
            int left = 0;
            void drawText(int x, int y, const QString &text) override
            {
                if (--left == 0)
                    throw QuillonError(QStringLiteral("Printer not ready"));
                RecordingPrintDevice::drawText(x, y, text);
            }
        } device(log);
        device.left = failAtMark;
        log->goneAfter = goneAfter;
        log->refusedAfter = refusedAfter;
        test::FakePrompts player;
        QString thrown;
        try {
            print(device, player, 1, mode, 1, 12);
        } catch (const QuillonError &e) {
            thrown = e.text();
        }
        QCOMPARE(thrown, error);
        QStringList printed;
        for (const test::PrintedDocument &doc : log->documents)
            printed.append(doc.aborted ? (doc.ended ? "ended and aborted" : "aborted")
                    : doc.ended        ? "ended"
                                       : "open");
        QCOMPARE(printed, documents);
        QCOMPARE(player.calls.size(), prompts);
    }

    // The leftovers of a longer run are the files of the same set numbered past the
    // new run's last, in the order of their numbers; names that only look alike are
    // not of the set.
    void leftoversOfALongerRun()
    {
        QTemporaryDir folder;
        for (const char *name : { "t-1.pdf", "t-3.pdf", "t-4.pdf", "t-10.pdf", "t-9.pdf", "t-04.pdf",
                 "t-x.pdf", "t-5.pdf.bak", "other-5.pdf", "t.pdf", "t-2-7.pdf" }) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList expected;
        for (const char *name : { "t-4.pdf", "t-9.pdf", "t-10.pdf" })
            expected.append(folder.filePath(QString::fromLatin1(name)));
        QCOMPARE(leftoverNumberedFiles(folder.filePath(QStringLiteral("t.pdf")), 3), expected);
        QCOMPARE(pdfFileNames(folder.filePath(QStringLiteral("t.pdf")), true, 2),
            (QStringList {
                folder.filePath(QStringLiteral("t-1.pdf")), folder.filePath(QStringLiteral("t-2.pdf")) }));
    }

    // A few files are listed one a line; hundreds are told by their count, folder,
    // first and last, so that the message box stays on the screen.
    void filesInBriefStayShort_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lines");
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("five") << 5 << 5;
        QTest::newRow("341 tickets") << 341 << 1;
    }
    void filesInBriefStayShort()
    {
        QFETCH(int, count);
        QStringList files;
        for (int n = 1; n <= count; ++n)
            files.append(QStringLiteral("/home/ana/t-%1.pdf").arg(n));
        const QString brief = filesInBrief(files);
        QTEST(int(brief.count(QLatin1Char('\n'))) + 1, "lines");
        for (const QString &part :
            { QStringLiteral("/home/ana"), QStringLiteral("t-1.pdf"), QString::number(count) })
            QVERIFY2(brief.contains(part), qPrintable(brief));
        QVERIFY2(brief.contains(QStringLiteral("t-%1.pdf").arg(count)), qPrintable(brief));
    }

    // The calibration sheet is one named document, sent only to a printer that is
    // ready, and a queue that refuses it is reported.
    void calibrationSheetNeedsAReadyPrinter_data()
    {
        QTest::addColumn<int>("goneAfter");
        QTest::addColumn<int>("refusedAfter");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("documents");
        QTest::newRow("ready") << -1 << -1 << QString() << QStringList { "ended" };
        QTest::newRow("not ready") << 0 << -1 << "The printer \"Recording\" is no longer available."
                                   << QStringList {};
        QTest::newRow("refused") << -1 << 0 << "The printer \"Recording\" does not accept jobs."
                                 << QStringList { "ended" };
    }
    void calibrationSheetNeedsAReadyPrinter()
    {
        QFETCH(int, goneAfter);
        QFETCH(int, refusedAfter);
        QFETCH(QString, error);
        QFETCH(QStringList, documents);
        log->goneAfter = goneAfter;
        log->refusedAfter = refusedAfter;
        test::RecordingPrintDevice device(log);
        QString thrown;
        try {
            printCalibrationSheet(device, 5, offsets, QStringLiteral("DANSK LOTTO"));
        } catch (const QuillonError &e) {
            thrown = e.text();
        }
        QCOMPARE(thrown, error);
        QStringList printed;
        for (const test::PrintedDocument &doc : log->documents) {
            printed.append(doc.aborted ? "aborted" : doc.ended ? "ended" : "open");
            QCOMPARE(doc.name, QStringLiteral("Quillon: calibration sheet"));
        }
        QCOMPARE(printed, documents);
    }
};

QTEST_GUILESS_MAIN(TestTickets)
#include "test_tickets.moc"
