#include "support/program.h"

#include "gui/application.h"
#include "gui/mainwindow.h"

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

} // namespace quillon::test
