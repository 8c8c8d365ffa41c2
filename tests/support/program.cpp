#include "support/program.h"

#include "gui/application.h"
#include "gui/fprincip.h"

#include <QTest>

namespace quillon::test {

Tfprincip *startProgram()
{
    createWindows();
    Tfprincip *main = windows().fprincip;
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
