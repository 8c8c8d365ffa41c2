#include "core/files/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace quillon {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    QString folder = overrideFolder().isEmpty() ? QCoreApplication::applicationDirPath() : overrideFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void setProgramFolder(const QString &folder)
{
    overrideFolder() = folder;
}

} // namespace quillon
