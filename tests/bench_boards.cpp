// Timings of the board commands on the largest catalogue size, 2,784 boards:
// generating, opening the board list window (grid filled and painted), comparing,
// exporting and printing the list to PDF. Built, not run by CTest:
//   QT_QPA_PLATFORM=offscreen build/bench_boards
// Set QUILLON_KEEP_PDF to a file name to keep the printed list.
#include "app/application.h"
#include "app/fprincip.h"
#include "app/programfolder.h"
#include "app/stringgrid.h"
#include "compare/fcompare.h"
#include "engine/boardlist.h"
#include "engine/catalogue.h"
#include "engine/selection.h"
#include "fakes/fakeplatform.h"
#include "output/export.h"
#include "output/fresultatcomb.h"
#include "output/listprint.h"
#include "platform/qtprintdevice.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

constexpr int kLargest = 119;
constexpr int kBoards = 2784;

// A table of 2,784 rows of 7 ascending letters over 21 positions, like system 119's.
std::vector<std::array<char, 7>> syntheticTable()
{
    std::vector<std::array<char, 7>> rows;
    std::array<int, 7> c{0, 1, 2, 3, 4, 5, 6};
    while (int(rows.size()) < kBoards) {
        std::array<char, 7> row{};
        for (int k = 0; k < 7; ++k)
            row[size_t(k)] = char(65 + c[size_t(k)]);
        rows.push_back(row);
        // Next 7-subset of 0 … 20 in lexicographic order.
        int k = 6;
        while (k >= 0 && c[size_t(k)] == 21 - 7 + k)
            --k;
        ++c[size_t(k)];
        for (int m = k + 1; m < 7; ++m)
            c[size_t(m)] = c[size_t(m - 1)] + 1;
    }
    return rows;
}

// What generate() does, over the synthetic table.
void generateSynthetic(const std::vector<std::array<char, 7>> &table, BoardList &target)
{
    target.boardCount = int(table.size());
    target.boardSize = 7;
    target.boards.resize(target.boardCount + 1);
    target.boards[0].clear();
    for (int j = 1; j <= target.boardCount; ++j)
        target.boards[j] = QByteArray(table[size_t(j - 1)].data(), 7);
}

} // namespace

class BenchBoards : public QObject {
    Q_OBJECT

    std::vector<std::array<char, 7>> table = syntheticTable();
    std::unique_ptr<test::FakePlatform> fakes;
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        if (hasWheelTable(kLargest))
            qInfo("system %d has its table: generating it", kLargest);
        else
            qInfo("system %d has no table yet: a synthetic table of %d boards", kLargest, kBoards);
        const QStringList numbers = {"3", "7", "11", "14", "18", "22", "25", "29", "31", "34", "38",
                                     "41", "44", "47", "49", "50", "2", "5", "9", "12", "16"};
        readSelection(numbers);
        fakes = std::make_unique<test::FakePlatform>();
        setProgramFolder(dir.path());
        createWindows();
        windows().fprincip->show();
        QVERIFY(QTest::qWaitForWindowActive(windows().fprincip));
        readSelection(numbers);
    }

    void cleanupTestCase() { destroyWindows(); }

    void generating()
    {
        BoardList list;
        if (hasWheelTable(kLargest)) {
            QBENCHMARK { generate(kLargest, list); }
        } else {
            QBENCHMARK { generateSynthetic(table, list); }
        }
        QCOMPARE(list.boardCount, kBoards);
    }

    // generate() itself over the largest compiled table, for comparison.
    void generatingSystem7()
    {
        BoardList list;
        QBENCHMARK { generate(7, list); }
        QCOMPARE(list.boardCount, 138);
    }

    void openingTheBoardList()
    {
        generateSynthetic(table, boardList());
        Tfresultatcomb *window = windows().fresultatcomb;
        window->open();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QBENCHMARK {
            window->FormActivate();
            window->grillecomb->viewport()->repaint();
        }
        QCOMPARE(window->grillecomb->rowCount(), kBoards + 1);
        window->close();
    }

    void comparing()
    {
        generateSynthetic(table, boardList());
        Tfcompare *window = windows().fcompare;
        window->open();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QStringList draw = {"3", "7", "11", "14", "18", "22", "25", "29", "31"};
        for (int tag = 1; tag <= 9; ++tag)
            window->c[size_t(tag)]->setEditText(draw[tag - 1]);
        QBENCHMARK {
            window->bvoir->click();
            window->grillecomb->viewport()->repaint();
        }
        QCOMPARE(window->grillecomb->rowCount(), kBoards + 1);
        QVERIFY(!window->summary().isEmpty());
        window->close();
    }

    void exporting()
    {
        const QString path = dir.filePath(QStringLiteral("boards.txt"));
        QBENCHMARK {
            // What exportBoards() does, over the synthetic table.
            QSaveFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (const auto &row : table)
                file.write(exportLine(QByteArray(row.data(), 7)));
            QVERIFY(file.commit());
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), kBoards);
    }

    void printingToPdf()
    {
        BoardList list;
        generateSynthetic(table, list);
        QString path = dir.filePath(QStringLiteral("list.pdf"));
        if (qEnvironmentVariableIsSet("QUILLON_KEEP_PDF"))
            path = qEnvironmentVariable("QUILLON_KEEP_PDF");
        QBENCHMARK {
            QtPrintDevice device(path, 600, QPageSize(QPageSize::A4), QMarginsF(4.2, 4.2, 4.2, 4.2));
            printBoardList(device, list, QStringLiteral("Liste des grilles à jouer"));
        }
        QVERIFY(QFileInfo(path).size() > 0);
    }
};

QTEST_MAIN(BenchBoards)
#include "bench_boards.moc"
