#include "platform/qtshell.h"

#include <QDesktopServices>
#include <QUrl>

void QtShell::openFile(const QString &path)
{
    // The viewer runs as a program of its own; the outcome is not waited for.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
