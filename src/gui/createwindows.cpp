// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/createwindows.h"

#include "gui/designfont.h"
#include "gui/mainwindow.h"

#include <QApplication>

std::unique_ptr<MainWindow> createWindows(quillon::Session &session)
{
    // The design font is the default: controls inside styled group boxes take the
    // application's font rather than their window's.
    QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    return std::make_unique<MainWindow>(session);
}
