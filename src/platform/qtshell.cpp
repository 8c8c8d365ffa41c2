// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtshell.h"

#include <QDesktopServices>
#include <QUrl>

void QtShell::openUrl(const QUrl &url)
{
    // The viewer runs as a program of its own; the outcome is not waited for.
    QDesktopServices::openUrl(url);
}
