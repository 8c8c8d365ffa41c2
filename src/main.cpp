// Program entry: the application object, its title, the platform services, the
// session, the windows, the event loop.
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "core/platform.h"
#include "core/session.h"
#include "platform/qtprintdevice.h"
#include "platform/qtprompts.h"
#include "platform/qtshell.h"

int main(int argc, char *argv[])
{
    QuillonApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUILLON"));

    QtPrompts prompts;
    QtShell shell;
    quillon::platform().prompts = &prompts;
    quillon::platform().shell = &shell;
    quillon::platform().openDefaultPrinter = [] { return std::make_unique<QtPrintDevice>(); };

    quillon::Session session;
    const std::unique_ptr<MainWindow> main = quillon::createWindows(session);
    main->show();
    return app.exec();
}
