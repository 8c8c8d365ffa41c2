// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the ticket printing run on the largest catalogue size, 2,784 boards,
// ten boards a ticket (HRVATSKA LOTO 7-39): 279 tickets, 19,488 marks. Built, not
// run by CTest; the figures are medians of several runs, in wall time and in the
// processor time of the process:
//   QT_QPA_PLATFORM=offscreen build/bench_tickets -median 9
//   QT_QPA_PLATFORM=offscreen build/bench_tickets -median 9 -perf -perfcounter task-clock
// runSavedAsPdfFiles runs once a process; repeat the process for a median:
//   for i in 1 2 3 4 5; do QT_QPA_PLATFORM=offscreen build/bench_tickets runSavedAsPdfFiles; done
#include "core/text/messages.h"
#include "core/text/translationfile.h"
#include "core/tickets/printorpdf.h"
#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "platform/qtprintdevice.h"
#include "platform/qtservices.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

constexpr int kBoards = 2784;

// Slot p holds the number p.
Selection ownIndexSlots()
{
    Selection picked;
    for (int p = 1; p <= kSlotCount; ++p)
        picked.numbers[size_t(p)] = p;
    return picked;
}

BoardList largestRun()
{
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

// Each ticket to a PDF file of its own, as on a real printer, where each document
// goes to a new spool file. Written over one file, each ticket would truncate the
// one before, which times the file system's rewriting rather than the run. The
// printer stays the same through the run, as on a real printer: before each
// document the one before is moved aside.
class PdfPerTicket : public PrintDevice {
public:
    explicit PdfPerTicket(const QString &folder)
        : m_folder(folder)
        , m_pdf(path(0), 600)
    {
    }

    QSize pageSize() override { return m_pdf.pageSize(); }
    void beginDocument(const QString &name) override
    {
        if (m_begun > 0)
            QFile::rename(path(0), path(m_begun));
        ++m_begun;
        m_pdf.beginDocument(name);
    }
    void endDocument() override { m_pdf.endDocument(); }
    void abortDocument() override { m_pdf.abortDocument(); }
    void newPage() override { m_pdf.newPage(); }
    void setFont(const QString &family, int pointSize, bool bold) override
    {
        m_pdf.setFont(family, pointSize, bold);
    }
    void drawText(int x, int y, const QString &text) override { m_pdf.drawText(x, y, text); }
    int textWidth(const QString &text) override { return m_pdf.textWidth(text); }
    int textHeight(const QString &text) override { return m_pdf.textHeight(text); }
    void fillRect(int x1, int y1, int x2, int y2) override { m_pdf.fillRect(x1, y1, x2, y2); }
    int dpiX() override { return m_pdf.dpiX(); }
    int dpiY() override { return m_pdf.dpiY(); }
    QPoint printingOffset() override { return m_pdf.printingOffset(); }
    bool ready(QString *why) override { return m_pdf.ready(why); }
    bool lastDocumentTaken(QString *why) override { return m_pdf.lastDocumentTaken(why); }

private:
    QString path(int ticket) const { return m_folder + QStringLiteral("/ticket-%1.pdf").arg(ticket); }

    QString m_folder;
    QtPrintDevice m_pdf;
    int m_begun = 0;
};

} // namespace

class BenchTickets : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    const TranslationFile noTranslationFile;

    void print(PrintDevice &device, Prompts &prompts, const BoardList &boards)
    {
        printTickets(device, prompts, Texts(&noTranslationFile, Language::French),
            TicketRun { 3, TicketMode::PrintAll, 1, kBoards }, boards, ownIndexSlots(), PrintOffsets {});
    }

private slots:
    // The run itself: geometry, conversions and marks, on the recording printer.
    void runOnTheRecordingPrinter()
    {
        const BoardList boards = largestRun();
        test::FakePrompts prompts;
        QBENCHMARK
        {
            auto log = std::make_shared<test::PrintLog>();
            test::RecordingPrintDevice device(log);
            print(device, prompts, boards);
        }
    }

    // The same through QPrinter onto PDF at 600 dpi, one document a ticket, each in
    // a file of its own.
    void runOnAPdfPrinter()
    {
        const BoardList boards = largestRun();
        test::FakePrompts prompts;
        // Once a run, in a fresh folder: the timing leaves out making the printer and
        // removing the files.
        QTemporaryDir folder(dir.filePath(QStringLiteral("run-XXXXXX")));
        PdfPerTicket device(folder.path());
        QBENCHMARK_ONCE
        {
            print(device, prompts, boards);
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), (kBoards + 9) / 10);
    }

    // Without a printer: the same run saved as one PDF file a ticket, from the
    // player's yes to the files in place, through the prompts the window uses.
    void runSavedAsPdfFiles()
    {
        const BoardList boards = largestRun();
        test::FakePlatform fakes;
        fakes.printLog->installed = false;
        installPrinterlessDevices(platform());
        QTemporaryDir folder(dir.filePath(QStringLiteral("files-XXXXXX")));
        fakes.prompts.fileNames.enqueue(folder.filePath(QStringLiteral("ticket.pdf")));
        QBENCHMARK_ONCE
        {
            QVERIFY(
                printOrSaveAsPdf(Texts(&noTranslationFile, Language::French), PdfFileSplit::FilePerDocument,
                    [&](PrintDevice &files, bool) { print(files, fakes.prompts, boards); }));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), (kBoards + 9) / 10);
    }
};

QTEST_MAIN(BenchTickets)
#include "bench_tickets.moc"
