// SPDX-License-Identifier: GPL-3.0-or-later
// The ticket preview on the largest system, 2,784 boards, on QUEBEC LOTTO MAX tickets
// (five boards a ticket): 557 tickets. Opening times the click on the preview button
// until the window is up with its first ticket drawn and closes; turning a page times
// drawing the next ticket. The growth of the process's resident memory over the first
// opening is printed. Built, not run by CTest:
//   QT_QPA_PLATFORM=offscreen build/bench_preview -median 9
#include "core/wheels/boardlist.h"
#include "gui/ticketpreviewwindow.h"
#include "gui/ticketprintdialog.h"
#include "support/children.h"
#include "support/program.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quillon;
using test::child;

namespace {

constexpr int kLargestSystem = 119;

// Resident memory of this process, in kilobytes.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace

class BenchPreview : public QObject, test::ProgramFixture {
    Q_OBJECT

    QTemporaryDir folder;
    TicketPrintDialog *d = nullptr;

    // The ticket dialog open on every board of the largest system.
    void openDialog()
    {
        QVERIFY(startIn(folder.path()));
        generate(Wheel::fromCatalogue(kLargestSystem), session->boards);
        QCOMPARE(session->boards.boardCount, 2784);
        d = test::dialog<TicketPrintDialog>(w);
        QVERIFY(test::showActive(d));
        child<QComboBox>(d, "ComboBox1")->setCurrentIndex(0);
    }

    // Clicks the preview button; onOpen runs once the preview is up, then it closes.
    template <class OnOpen> void preview(OnOpen onOpen)
    {
        bool opened = false;
        QTimer::singleShot(0, d, [&] {
            if (auto *window = qobject_cast<TicketPreviewWindow *>(QApplication::activeModalWidget())) {
                opened = true;
                onOpen(window);
                window->close();
            }
        });
        child<QPushButton>(d, "bapercu")->click();
        QVERIFY(opened);
    }

private slots:
    void cleanup() { stopProgram(); }

    void openTheLargestRun()
    {
        openDialog();
        const long before = residentKb();
        long open = 0;
        preview([&](TicketPreviewWindow *window) {
            QCOMPARE(window->findChild<QLabel *>(QStringLiteral("ticketNumber"))->text(),
                QStringLiteral("Ticket 1 sur 557"));
            open = residentKb();
        });
        qInfo("resident memory: %ld kB more with the preview open, %ld kB after it closed", open - before,
            residentKb() - before);
        QBENCHMARK
        {
            preview([](TicketPreviewWindow *) {});
        }
    }

    void turnAPage()
    {
        openDialog();
        preview([](TicketPreviewWindow *window) {
            QBENCHMARK
            {
                if (window->currentTicket() == 556)
                    window->showPreviousTicket();
                else
                    window->showNextTicket();
            }
        });
    }
};

QTEST_MAIN(BenchPreview)
#include "bench_preview.moc"
