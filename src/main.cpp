// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application object, its title, the platform services, the
// session, the windows, the event loop.
#include "gui/createwindows.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "core/session.h"
#include "platform/qtservices.h"

#include <QIcon>

int main(int argc, char *argv[])
{
    QuillonApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUILLON"));
    // Ties the windows to the installed menu entry, and gives them the theme's icon, or the
    // copy built in when the program runs from the build folder.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillon.Quillon"));
    // The built-in copy is only put together where the theme lacks the icon: adding its
    // six sizes decodes every one of them, a noticeable part of the start.
    QIcon icon = QIcon::fromTheme(QStringLiteral("quillon"));
    if (icon.isNull() || icon.availableSizes().isEmpty()) {
        icon = QIcon();
        for (int size : {16, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/icons/%1/quillon.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);

    const QtServices services;

    quillon::Session session;
    const std::unique_ptr<MainWindow> main = createWindows(session);
    main->show();
    return app.exec();
}
