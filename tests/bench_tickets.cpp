// Timings of the ticket printing run on the largest catalogue size, 2,784 boards,
// ten boards a ticket (HRVATSKA LOTO 7-39): 279 tickets, 19,488 marks. Built, not
// run by CTest; the figures are medians of several runs, in wall time and in the
// processor time of the process:
//   QT_QPA_PLATFORM=offscreen build/bench_tickets -median 9
//   QT_QPA_PLATFORM=offscreen build/bench_tickets -median 9 -perf -perfcounter task-clock
#include "engine/boardlist.h"
#include "engine/selection.h"
#include "fakes/fakeplatform.h"
#include "output/ticketprint.h"
#include "output/tickettypes.h"
#include "platform/qtprintdevice.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

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

// Each ticket to a PDF file of its own, as a print queue takes each document as a
// job of its own. Written to one file, each ticket would truncate and rewrite the
// one before, and the run would mostly wait for the disk to flush it.
class PdfPerTicket : public PrintDevice {
public:
    // The devices are made beforehand, so that the timing holds the run alone.
    PdfPerTicket(const QString &folder, int tickets)
    {
        for (int k = 1; k <= tickets; ++k)
            m_tickets.push_back(std::make_unique<QtPrintDevice>(folder + QStringLiteral("/ticket-%1.pdf").arg(k), 600));
    }

    QSize pageSize() override { return current().pageSize(); }
    void beginDocument() override
    {
        ++m_next;
        current().beginDocument();
    }
    void endDocument() override { current().endDocument(); }
    void abortDocument() override { current().abortDocument(); }
    void newPage() override { current().newPage(); }
    void setFont(const QString &family, int pointSize, bool bold) override { current().setFont(family, pointSize, bold); }
    void drawText(int x, int y, const QString &text) override { current().drawText(x, y, text); }
    int textWidth(const QString &text) override { return current().textWidth(text); }
    int textHeight(const QString &text) override { return current().textHeight(text); }
    void fillRect(int x1, int y1, int x2, int y2) override { current().fillRect(x1, y1, x2, y2); }
    int dpiX() override { return current().dpiX(); }
    int dpiY() override { return current().dpiY(); }
    QPoint printingOffset() override { return current().printingOffset(); }
    bool ready(QString *why) override { return m_next >= int(m_tickets.size()) || m_tickets[size_t(m_next)]->ready(why); }
    bool lastDocumentTaken(QString *why) override { return current().lastDocumentTaken(why); }

private:
    QtPrintDevice &current() { return *m_tickets[size_t(std::max(m_next - 1, 0))]; }

    std::vector<std::unique_ptr<QtPrintDevice>> m_tickets;
    int m_next = 0; // documents begun
};

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

    // The same through QPrinter onto PDF at 600 dpi, one document a ticket, each in
    // a file of its own.
    void runOnAPdfPrinter()
    {
        const BoardList boards = largestRun();
        test::FakePrompts prompts;
        QTemporaryDir folder(dir.filePath(QStringLiteral("run-XXXXXX")));
        PdfPerTicket device(folder.path(), (kBoards + 9) / 10);
        QBENCHMARK_ONCE {
            printTickets(device, prompts, boards, 3, PrintAllTickets, 1, kBoards);
        }
    }
};

QTEST_MAIN(BenchTickets)
#include "bench_tickets.moc"
