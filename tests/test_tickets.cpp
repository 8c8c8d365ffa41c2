// Ticket geometry and the ticket printing run on the recording printer.
#include "app/errors.h"
#include "app/messages.h"
#include "engine/boardlist.h"
#include "engine/selection.h"
#include "fakes/fakeplatform.h"
#include "output/ticketprint.h"
#include "output/tickettypes.h"
#include "storage/settings.h"

#include <QTest>

using namespace quillon;
using test::PrintOp;

namespace {

// Board i holds the numbers i … i + 6, so a mark tells which board it belongs to.
BoardList consecutiveBoards(int count)
{
    BoardList list;
    list.boardCount = count;
    list.boardSize = 7;
    list.boards.resize(count + 1);
    for (int i = 1; i <= count; ++i) {
        for (int p = i; p < i + 7; ++p)
            list.boards[i].append(char(64 + p));
    }
    for (int p = 1; p <= kSlotCount; ++p)
        selection().numbers[size_t(p)] = p;
    return list;
}

// The marks board i leaves in slot s of a ticket of type t, at the log's printer figures.
QList<QPoint> expectedMarks(test::RecordingPrintDevice &device, int t, int slot, int board)
{
    QList<QPoint> marks;
    for (int n = board; n < board + 7; ++n) {
        const QPointF cm = markPosition(t, slot, n);
        marks.append({cmToDevice(device, Horizontal, cm.x()), cmToDevice(device, Vertical, cm.y())});
    }
    return marks;
}

QList<QPoint> markPoints(const QList<PrintOp> &ops)
{
    QList<QPoint> points;
    for (const PrintOp &op : ops)
        points.append({op.x, op.y});
    return points;
}

// Prompts that note, at each question, how the printer's documents stand.
class WatchingPrompts : public test::FakePrompts {
public:
    std::shared_ptr<test::PrintLog> log;
    QStringList states; // "<documents>:<last ended>:<last marks>"

    Answer message(const QString &text, const QString &caption, Buttons buttons, Icon icon) override
    {
        const test::PrintedDocument &last = log->documents.last();
        states.append(QStringLiteral("%1:%2:%3")
                          .arg(log->documents.size())
                          .arg(last.ended)
                          .arg(last.pages.first().size()));
        return FakePrompts::message(text, caption, buttons, icon);
    }
};

// A printer that fails when it is asked for the nth mark.
class FailingPrintDevice : public test::RecordingPrintDevice {
public:
    FailingPrintDevice(std::shared_ptr<test::PrintLog> log, int failAt)
        : RecordingPrintDevice(std::move(log)), m_left(failAt)
    {
    }
    void drawText(int x, int y, const QString &text) override
    {
        if (--m_left == 0)
            throw QuillonError(QStringLiteral("Printer not ready"));
        RecordingPrintDevice::drawText(x, y, text);
    }

private:
    int m_left;
};

} // namespace

class TestTickets : public QObject {
    Q_OBJECT

    std::shared_ptr<test::PrintLog> log;

private slots:
    void init()
    {
        log = std::make_shared<test::PrintLog>();
        settings() = SettingsRecord{};
    }
    void cleanup() { settings() = SettingsRecord{}; }

    void tableHoldsTheFiveTicketsInOrder()
    {
        fillTicketTypeTable();
        const TicketTypeTable first = ticketTypeTable();
        fillTicketTypeTable();
        QCOMPARE(ticketTypeNames(), QStringList({QStringLiteral("QUEBEC LOTTO MAX "),
                                                 QStringLiteral("ONTARIO LOTTO SUPER7"),
                                                 QStringLiteral("HRVATSKA LOTO 7-39"), QStringLiteral("UK DAILY PLAY"),
                                                 QStringLiteral("DANSK LOTTO")}));
        const int boardsPerTicket[] = {5, 5, 10, 4, 10};
        const int markKinds[] = {1, 1, 1, 2, 1};
        for (int t = 1; t <= kTicketTypeCount; ++t) {
            QCOMPARE(ticketType(t).boardsPerTicket, boardsPerTicket[t - 1]);
            QCOMPARE(ticketType(t).markKind, markKinds[t - 1]);
            QCOMPARE(ticketType(t).originY, first[size_t(t - 1)].originY);
        }
        QVERIFY_THROWS_EXCEPTION(QuillonError, ticketType(0));
        QVERIFY_THROWS_EXCEPTION(QuillonError, ticketType(6));
    }

    void markPosition_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("1: 1 in column 1 of row 0") << 1 << 1 << 1 << 1.6 << 6.18;
        QTest::newRow("1: 10 starts row 1") << 1 << 1 << 10 << 1.02 << 6.66;
        QTest::newRow("1: slot 2 lies below") << 1 << 2 << 49 << 6.24 << 10.5;
        QTest::newRow("2: 1 at the origin") << 2 << 1 << 1 << 4.0 << 3.4;
        QTest::newRow("2: slot 5 lies to the right") << 2 << 5 << 47 << 15.2 << 6.4;
        QTest::newRow("3: boardsPerRow ignored") << 3 << 10 << 39 << 15.03 << 7.1;
        QTest::newRow("4: 1 at the origin") << 4 << 1 << 1 << 1.1 << 9.35;
        QTest::newRow("4: slot 4") << 4 << 4 << 27 << 6.18 << 15.06;
        QTest::newRow("5: slot 7 second row") << 5 << 7 << 36 << 7.89 << 5.69;
        QTest::newRow("5: slot 6 starts the second row") << 5 << 6 << 1 << 3.51 << 3.69;
        QTest::newRow("2: 51 past the last column") << 2 << 1 << 51 << 6.0 << 3.4;
        QTest::newRow("3: 40 past the last row") << 3 << 1 << 40 << 2.8 << 7.5;
    }
    void markPosition()
    {
        QFETCH(int, t);
        QFETCH(int, s);
        QFETCH(int, n);
        QFETCH(double, x);
        QFETCH(double, y);
        const QPointF p = quillon::markPosition(t, s, n);
        QVERIFY2(qAbs(p.x() - x) < 1e-9, qPrintable(QString::number(p.x(), 'g', 17)));
        QVERIFY2(qAbs(p.y() - y) < 1e-9, qPrintable(QString::number(p.y(), 'g', 17)));
    }

    void cmToDevice_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("printerOffset");
        QTest::addColumn<int>("userOffset");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // Number 1 in slot 1 of type 1: (1.6, 6.18) cm.
        QTest::newRow("300 dpi") << 300 << 0 << 0 << 189 << 730;
        QTest::newRow("600 dpi") << 600 << 0 << 0 << 378 << 1460;
        QTest::newRow("5 mm to the right and down") << 300 << 0 << 5 << 248 << 789;
        QTest::newRow("3 mm to the left and up") << 300 << 0 << -3 << 154 << 694;
        QTest::newRow("printer offset 50 dots") << 300 << 50 << 0 << 139 << 680;
    }
    void cmToDevice()
    {
        QFETCH(int, dpi);
        QFETCH(int, printerOffset);
        QFETCH(int, userOffset);
        QFETCH(int, x);
        QFETCH(int, y);
        log->dpiX = log->dpiY = dpi;
        log->offset = QPoint(printerOffset, printerOffset);
        settings().horizontalOffset = settings().verticalOffset = userOffset;
        test::RecordingPrintDevice device(log);
        QCOMPARE(quillon::cmToDevice(device, Horizontal, 1.6), x);
        QCOMPARE(quillon::cmToDevice(device, Vertical, 6.18), y);
        // The settings are read at each conversion.
        settings().horizontalOffset += 10;
        QCOMPARE(quillon::cmToDevice(device, Horizontal, 1.6), cmToDots(1.6, dpi, printerOffset, userOffset + 10));
    }

    void exactHalvesGoToEven_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("dots");
        // 1.27 cm is exactly half an inch.
        QTest::newRow("0.5") << 1 << 0;
        QTest::newRow("1.5") << 3 << 2;
        QTest::newRow("2.5") << 5 << 2;
        QTest::newRow("3.5") << 7 << 4;
    }
    void exactHalvesGoToEven()
    {
        QFETCH(int, dpi);
        QFETCH(int, dots);
        QCOMPARE(cmToDots(1.27, dpi, 0, 0), dots);
        QCOMPARE(cmToDots(-1.27, dpi, 0, 0), -dots);
    }

    void marks_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("bar"); // empty: the letter X; (0, 0): nothing
        QTest::newRow("X") << 300 << 1 << QSize();
        QTest::newRow("2 mm bar, 300 dpi") << 300 << 2 << QSize(41, 24);
        QTest::newRow("1 mm bar, 300 dpi") << 300 << 3 << QSize(41, 12);
        QTest::newRow("kind 4, 300 dpi") << 300 << 4 << QSize(41, 12);
        QTest::newRow("2 mm bar, 600 dpi") << 600 << 2 << QSize(83, 47);
        QTest::newRow("1 mm bar, 600 dpi") << 600 << 3 << QSize(83, 24);
        QTest::newRow("kind 0") << 300 << 0 << QSize(0, 0);
        QTest::newRow("kind 5") << 300 << 5 << QSize(0, 0);
    }
    void marks()
    {
        QFETCH(int, dpi);
        QFETCH(int, kind);
        QFETCH(QSize, bar);
        log->dpiX = log->dpiY = dpi;
        test::RecordingPrintDevice device(log);
        device.beginDocument();
        drawMark(device, 189, 730, kind);
        const QList<PrintOp> ops = log->documents.first().pages.first();
        if (bar == QSize(0, 0)) {
            QVERIFY(ops.isEmpty());
            return;
        }
        QCOMPARE(ops.size(), 1);
        QCOMPARE(QPoint(ops[0].x, ops[0].y), QPoint(189, 730));
        if (!bar.isValid()) {
            QCOMPARE(ops[0].kind, PrintOp::Text);
            QCOMPARE(ops[0].text, QStringLiteral("X"));
        } else {
            QCOMPARE(ops[0].kind, PrintOp::Rect);
            QCOMPARE(QSize(ops[0].x2 - ops[0].x, ops[0].y2 - ops[0].y), bar);
        }
    }

    void run_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QList<QList<int>>>("tickets"); // boards on each ticket, slot 1 first
        QTest::newRow("12 boards on type 1") << 1 << 1 << 12
                                             << QList<QList<int>>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12}};
        QTest::newRow("exactly two tickets") << 2 << 1 << 10 << QList<QList<int>>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
        QTest::newRow("type 4 from board 3") << 4 << 3 << 7 << QList<QList<int>>{{3, 4, 5, 6}, {7}};
        QTest::newRow("type 5, two rows") << 5 << 2 << 12 << QList<QList<int>>{{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {12}};
        QTest::newRow("range clipped to the boards") << 3 << -4 << 40 << QList<QList<int>>{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {11, 12}};
        QTest::newRow("empty range feeds nothing") << 1 << 9 << 8 << QList<QList<int>>{};
    }
    void run()
    {
        QFETCH(int, t);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QList<QList<int>>, tickets);
        log->offset = QPoint(20, 30);
        settings().horizontalOffset = 2;
        const BoardList boards = consecutiveBoards(12);
        test::RecordingPrintDevice device(log);
        test::FakePrompts prompts;
        printTickets(device, prompts, boards, t, PrintAllTickets, first, last);

        QVERIFY(prompts.calls.isEmpty());
        QCOMPARE(log->documents.size(), tickets.size());
        for (qsizetype k = 0; k < tickets.size(); ++k) {
            const test::PrintedDocument &doc = log->documents[k];
            QVERIFY(doc.ended);
            QVERIFY(!doc.aborted);
            QCOMPARE(doc.pages.size(), 1);
            QList<QPoint> expected;
            for (qsizetype s = 0; s < tickets[k].size(); ++s)
                expected += expectedMarks(device, t, int(s + 1), tickets[k][s]);
            QCOMPARE(markPoints(doc.pages.first()), expected);
            for (const PrintOp &op : doc.pages.first()) {
                if (t == 4) {
                    QCOMPARE(op.kind, PrintOp::Rect);
                } else {
                    QCOMPARE(op.text, QStringLiteral("X"));
                    QCOMPARE(op.family, QStringLiteral("Courier"));
                    QCOMPARE(op.pointSize, 10);
                    QVERIFY(op.bold);
                }
            }
        }
    }

    void stopBeforeEachTicket_data()
    {
        QTest::addColumn<QList<Prompts::Answer>>("answers");
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<int>("documents");
        QTest::newRow("Ok, Ok") << QList<Prompts::Answer>{} << QStringList{"1:1:35", "2:1:35"} << 3;
        QTest::newRow("Cancel at the first prompt") << QList<Prompts::Answer>{Prompts::Answer::Cancel}
                                                    << QStringList{"1:1:35"} << 1;
        QTest::newRow("Cancel at the second prompt")
            << QList<Prompts::Answer>{Prompts::Answer::Ok, Prompts::Answer::Cancel} << QStringList{"1:1:35", "2:1:35"}
            << 2;
    }
    void stopBeforeEachTicket()
    {
        QFETCH(QList<Prompts::Answer>, answers);
        QFETCH(QStringList, states);
        QFETCH(int, documents);
        const BoardList boards = consecutiveBoards(12);
        test::RecordingPrintDevice device(log);
        WatchingPrompts prompts;
        prompts.log = log;
        for (Prompts::Answer a : answers)
            prompts.answers.enqueue(a);
        printTickets(device, prompts, boards, 1, StopEachTicket, 1, 12);

        // Each prompt comes once the full ticket was sent, before board 6 and board 11.
        QCOMPARE(prompts.states, states);
        for (const test::FakePrompts::Call &call : prompts.calls) {
            QCOMPARE(call.text, pgloretlibmessage(1));
            QCOMPARE(call.caption, pgloretlibmessage(2));
            QCOMPARE(call.buttons, Prompts::Buttons::OkCancel);
            QCOMPARE(call.icon, Prompts::Icon::Question);
        }
        // A refused ticket is never begun: nothing else goes to the printer.
        QCOMPARE(log->documents.size(), documents);
        for (const test::PrintedDocument &doc : log->documents) {
            QVERIFY(doc.ended);
            QVERIFY(!doc.aborted);
        }
        for (int k = 0; k < documents; ++k) {
            QList<QPoint> expected;
            for (int s = 1; s <= 5 && 5 * k + s <= 12; ++s)
                expected += expectedMarks(device, 1, s, 5 * k + s);
            QCOMPARE(markPoints(log->documents[k].pages.first()), expected);
        }
    }

    void failingPrinterLeavesNoDocumentOpen()
    {
        const BoardList boards = consecutiveBoards(12);
        test::FakePrompts prompts;
        // The 40th mark is the 5th of board 6, on the second ticket.
        FailingPrintDevice device(log, 40);
        QVERIFY_THROWS_EXCEPTION(QuillonError, printTickets(device, prompts, boards, 1, PrintAllTickets, 1, 12));
        QCOMPARE(log->documents.size(), 2);
        QVERIFY(log->documents[0].ended);
        QVERIFY(!log->documents[1].ended);
        QVERIFY(log->documents[1].aborted);

        log->documents.clear();
        log->failBegin = true;
        test::RecordingPrintDevice refusing(log);
        QVERIFY_THROWS_EXCEPTION(QuillonError, printTickets(refusing, prompts, boards, 1, PrintAllTickets, 1, 12));
        QVERIFY(log->documents.isEmpty());
    }

    void defaultPrinterRun()
    {
        test::FakePlatform fakes;
        boardList() = consecutiveBoards(6);
        printTickets(3, PrintAllTickets, 1, 6);
        QCOMPARE(fakes.printLog->devicesOpened, 1);
        QCOMPARE(fakes.printLog->documents.size(), 1);
        QCOMPARE(fakes.printLog->documents[0].pages[0].size(), 42);
        boardList() = BoardList{};
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("digits") << QStringLiteral("0124") << 124;
        QTest::newRow("digits then letters") << QStringLiteral("12ab") << 12;
        QTest::newRow("leading blank") << QStringLiteral(" 5") << 0;
        QTest::newRow("sign") << QStringLiteral("-5") << 0;
        QTest::newRow("huge") << QStringLiteral("99999999999") << std::numeric_limits<int>::max();
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(quillon::leadingNumber(text), value);
    }
};

QTEST_GUILESS_MAIN(TestTickets)
#include "test_tickets.moc"
