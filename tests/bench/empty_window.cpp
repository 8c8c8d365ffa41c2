// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the start-up time: a bare Qt Widgets program, built like the real
// one, that shows an empty window named as the main window is, so that
// startup_installed.sh times both the same way. With --line-edit, the window holds one
// line edit: the least a window that shows text loads (the font database).
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillon"));
    window.resize(701, 419);
    if (QApplication::arguments().contains(QStringLiteral("--line-edit")))
        (new QLineEdit(&window))->setGeometry(16, 184, 47, 21);
    window.show();
    return app.exec();
}
