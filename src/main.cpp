// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application object, its title, the platform services, the
// session, the windows, the event loop.
#include "core/session.h"
#include "gui/application.h"
#include "gui/createwindows.h"
#include "gui/mainwindow.h"
#include "platform/qtservices.h"

#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWindow>
#include <fontconfig/fontconfig.h>
#include <functional>
#include <thread>

namespace {

// The theme's icon; the copy built in only where the theme lacks it, as adding its six
// sizes decodes every one of them.
QIcon programIcon()
{
    QIcon icon = QIcon::fromTheme(QStringLiteral("quillon"));
    if (icon.isNull() || icon.availableSizes().isEmpty()) {
        icon = QIcon();
        for (int size : { 16, 32, 48, 64, 128, 256 })
            icon.addFile(QStringLiteral(":/icons/%1/quillon.png").arg(size), QSize(size, size));
    }
    return icon;
}

// Runs `then` from the event loop once the shown `window` has been exposed and painted.
void afterFirstPaint(QWindow *window, std::function<void()> then)
{
    struct FirstPaint : QObject {
        std::function<void()> then;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Expose) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, watched, then);
                deleteLater();
            }
            return false;
        }
    };
    auto *filter = new FirstPaint;
    filter->setParent(window);
    filter->then = std::move(then);
    window->installEventFilter(filter);
}

} // namespace

int main(int argc, char *argv[])
{
    // The first text the main window lays out loads the font database, which begins with
    // fontconfig reading its configuration, some 30 % of the work before the first window.
    // It is read on a second thread while the application starts, and waited for before
    // the windows are made; Qt's own FcInit then finds it read and returns.
    std::jthread fontconfig([] { FcInit(); });
    QuillonApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUILLON"));
    // Ties the windows to the installed menu entry, and gives them the theme's icon, or the
    // copy built in when the program runs from the build folder.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillon.Quillon"));

    const QtServices services;

    quillon::Session session;
    fontconfig.join();
    const std::unique_ptr<MainWindow> main = createWindows(session);
    main->show();
    // The icon is not part of what the window draws: it is looked up and handed to the
    // window manager once the main window has painted, so that its contents come first.
    afterFirstPaint(main->windowHandle(), [] { QApplication::setWindowIcon(programIcon()); });
    return app.exec();
}
