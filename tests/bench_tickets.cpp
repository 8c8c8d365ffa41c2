// Timings of the ticket printing run on the largest catalogue size, 2,784 boards,
// ten boards a ticket (HRVATSKA LOTO 7-39): 279 tickets, 19,488 marks. Built, not
// run by CTest:
//   QT_QPA_PLATFORM=offscreen build/bench_tickets
#include "engine/boardlist.h"
#include "engine/selection.h"
#include "fakes/fakeplatform.h"
#include "output/ticketprint.h"
#include "output/tickettypes.h"
#include "platform/qtprintdevice.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

constexpr int kBoards = 2784;

BoardList largestRun()
{
    for (int p = 1; p <= kSlotCount; ++p)
        selection().numbers[size_t(p)] = p;
    BoardList list;
    list.boardCount = kBoards;
    list.boardSize = 7;
    list.boards.resize(kBoards + 1);
    for (int i = 1; i <= kBoards; ++i) {
        for (int k = 0; k < 7; ++k)
            list.boards[i].append(char(65 + (i + 3 * k) % 21));
    }
    return list;
}

} // namespace

class BenchTickets : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // The run itself: geometry, conversions and marks, on the recording printer.
    void runOnTheRecordingPrinter()
    {
        const BoardList boards = largestRun();
        test::FakePrompts prompts;
        QBENCHMARK {
            auto log = std::make_shared<test::PrintLog>();
            test::RecordingPrintDevice device(log);
            printTickets(device, prompts, boards, 3, PrintAllTickets, 1, kBoards);
        }
    }

    // The same through QPrinter onto PDF at 600 dpi, one document a ticket.
    void runOnAPdfPrinter()
    {
        const BoardList boards = largestRun();
        test::FakePrompts prompts;
        QBENCHMARK {
            QtPrintDevice device(dir.filePath(QStringLiteral("tickets.pdf")), 600);
            printTickets(device, prompts, boards, 3, PrintAllTickets, 1, kBoards);
        }
    }
};

QTEST_MAIN(BenchTickets)
#include "bench_tickets.moc"
