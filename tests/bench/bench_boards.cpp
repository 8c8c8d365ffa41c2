// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the board commands on the largest system, 119 (2,784 boards), with the
// shipped code and table: generating, opening the board list window (grid filled and
// painted), comparing, exporting and printing the list to PDF. Built, not run by CTest:
//   QT_QPA_PLATFORM=offscreen build/bench_boards
// Set QUILLON_KEEP_PDF to a file name to keep the printed list.
#include "core/files/export.h"
#include "core/session.h"
#include "core/tickets/listprint.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/catalogue.h"
#include "core/wheels/selection.h"
#include "gui/boardlistdialog.h"
#include "gui/comparedialog.h"
#include "gui/createwindows.h"
#include "gui/mainwindow.h"
#include "platform/qtprintdevice.h"
#include "support/children.h"
#include "support/fakeplatform.h"

#include <QComboBox>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using test::child;
using test::numberBox;

namespace {

// The largest system of the catalogue: 2,784 boards over 21 numbers.
constexpr int kLargest = 119;
constexpr int kBoards = 2784;

} // namespace

class BenchBoards : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakePlatform> fakes;
    QTemporaryDir dir;
    Session session;
    std::unique_ptr<MainWindow> main;

private slots:
    void initTestCase()
    {
        QVERIFY(hasWheelTable(kLargest));
        const QStringList numbers = { "3", "7", "11", "14", "18", "22", "25", "29", "31", "34", "38", "41",
            "44", "47", "49", "50", "2", "5", "9", "12", "16" };
        fakes = std::make_unique<test::FakePlatform>();
        session.programFolder = dir.path();
        main = createWindows(session);
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        readSelection(numbers, session.selection);
    }

    void cleanupTestCase() { main.reset(); }

    void generating()
    {
        BoardList list;
        QBENCHMARK
        {
            generate(Wheel::fromCatalogue(kLargest), list);
        }
        QCOMPARE(list.boardCount, kBoards);
    }

    void openingTheBoardList()
    {
        generate(Wheel::fromCatalogue(kLargest), session.boards);
        BoardListDialog *window = test::dialog<BoardListDialog>(main.get());
        window->open();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTableView *grid = child<QTableView>(window, "grillecomb");
        // Under offscreen the window is not exposed and repaint() paints nothing;
        // render() paints the grid with its headers.
        QPixmap picture(grid->size());
        QBENCHMARK
        {
            // What the window does each time it becomes active: rebuild its texts and grid.
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(window, &activate);
            grid->render(&picture);
        }
        QCOMPARE(grid->model()->rowCount(), kBoards);
        window->close();
    }

    void comparing()
    {
        generate(Wheel::fromCatalogue(kLargest), session.boards);
        CompareDialog *window = test::dialog<CompareDialog>(main.get());
        window->open();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QStringList draw = { "3", "7", "11", "14", "18", "22", "25", "29", "31" };
        for (int tag = 1; tag <= 9; ++tag)
            numberBox(window, tag)->setEditText(draw[tag - 1]);
        QTableView *grid = child<QTableView>(window, "grillecomb");
        QPixmap picture(grid->size());
        QBENCHMARK
        {
            child<QPushButton>(window, "bvoir")->click();
            grid->render(&picture);
        }
        QCOMPARE(grid->model()->rowCount(), kBoards);
        QVERIFY(!window->summary().isEmpty());
        window->close();
    }

    void exporting()
    {
        const QString path = dir.filePath(QStringLiteral("boards.txt"));
        QBENCHMARK
        {
            exportBoards(session.boards, session.selection, path);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), kBoards);
    }

    void printingToPdf()
    {
        BoardList list;
        generate(Wheel::fromCatalogue(kLargest), list);
        QString path = dir.filePath(QStringLiteral("list.pdf"));
        if (qEnvironmentVariableIsSet("QUILLON_KEEP_PDF"))
            path = qEnvironmentVariable("QUILLON_KEEP_PDF");
        QBENCHMARK
        {
            QtPrintDevice device(path, 600, QPageSize(QPageSize::A4), QMarginsF(4.2, 4.2, 4.2, 4.2));
            printBoardList(device, list, session.selection, QStringLiteral("Liste des grilles à jouer"));
        }
        QVERIFY(QFileInfo(path).size() > 0);
    }
};

QTEST_MAIN(BenchBoards)
#include "bench_boards.moc"
