#include "support/program.h"

#include "core/files/programfolder.h"
#include "gui/application.h"
#include "gui/mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace quillon::test {

MainWindow *startProgram()
{
    createWindows();
    MainWindow *main = windows().mainWindow;
    main->show();
    if (!QTest::qWaitForWindowActive(main) || main->startupPending())
        return nullptr;
    return main;
}

bool showActive(QWidget *window)
{
    window->show();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

bool ProgramFixture::startIn(const QString &programFolder)
{
    fakes = std::make_unique<FakePlatform>();
    setProgramFolder(programFolder);
    w = startProgram();
    return w != nullptr;
}

void ProgramFixture::stopProgram()
{
    destroyWindows();
    w = nullptr;
    fakes.reset();
}

void typeInto(QComboBox *box, const QString &keys)
{
    box->lineEdit()->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, keys);
}

} // namespace quillon::test
