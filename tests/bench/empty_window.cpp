// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the start-up time: a bare Qt Widgets program, built like the real
// one, that shows an empty window named as the main window is, so that
// startup_installed.sh times both the same way.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillon"));
    window.resize(701, 419);
    window.show();
    return app.exec();
}
