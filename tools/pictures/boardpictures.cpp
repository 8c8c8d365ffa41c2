// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the documentation's pictures of the board list and compare windows: starts
// the real program's windows, chooses a system, types numbers and a draw, presses the
// real buttons and saves each window as it shows on screen.
//   quillon-board-pictures <folder>   (run under a display, e.g. scripts/screenshots)
#include "gui/application.h"
#include "gui/boardlistdialog.h"
#include "gui/comparedialog.h"
#include "pictures/realprogram.h"
#include "support/children.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quillon;
using test::child;
using test::numberBox;

namespace {

constexpr int kDraw[] = { 7, 14, 22, 25, 31, 38, 44, 11, 0 };

} // namespace

int main(int argc, char *argv[])
{
    QuillonApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUILLON"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    pictures::RealProgram program;
    if (!program.start())
        return 1;
    program.enterTheGame();
    MainWindow *main = program.mainWindow();

    bool ok = true;
    bool listSaved = false;
    QTimer::singleShot(0, [&] {
        BoardListDialog *list = main->findChild<BoardListDialog *>();
        if (!QTest::qWaitForWindowActive(list))
            qWarning("the board list did not become active");
        QTest::qWait(300);
        listSaved = list->grab().save(out.filePath(QStringLiteral("board-list.png")));
        list->close();
    });
    child<QPushButton>(main, "bvoirtick")->click();
    ok = ok && listSaved;

    bool compareSaved = false;
    QTimer::singleShot(0, [&] {
        CompareDialog *compare = main->findChild<CompareDialog *>();
        if (!QTest::qWaitForWindowActive(compare))
            qWarning("the compare window did not become active");
        for (int tag = 1; tag <= 9; ++tag)
            numberBox(compare, tag)
                ->setEditText(kDraw[tag - 1] ? QString::number(kDraw[tag - 1]) : QString());
        child<QPushButton>(compare, "bvoir")->click();
        QTest::qWait(300);
        compareSaved = compare->grab().save(out.filePath(QStringLiteral("compare.png")));
        compare->close();
    });
    child<QPushButton>(main, "bcompar")->click();
    ok = ok && compareSaved;

    return ok ? 0 : 1;
}
