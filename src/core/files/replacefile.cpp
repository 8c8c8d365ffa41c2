#include "core/files/replacefile.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace quillon {

namespace {

QString reasonOf(const QSaveFile &file)
{
    const QString reason = file.errorString();
    // Qt's default text when a failure set no reason of its own.
    if (file.error() == QFileDevice::NoError || reason.isEmpty() || reason == QLatin1String("Unknown error"))
        return QCoreApplication::translate("quillon", "the file could not be written whole");
    return reason;
}

} // namespace

QString replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Writing into the old file when no temporary file can be made would lose it at
    // the first failure.
    file.setDirectWriteFallback(false);
    // Unbuffered, every write reaches the system here and its failure is seen: Qt's
    // commit() does not check the final flush of a buffer and would rename a short
    // file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (file.error() == QFileDevice::OpenError)
            return QCoreApplication::translate("quillon", "cannot create a temporary file in its folder (%1)")
                .arg(reasonOf(file));
        return reasonOf(file);
    }
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = reasonOf(file);
            file.cancelWriting();
            return reason;
        }
        // A short write gives no reason; the next one meets the system's.
        done += written;
    }
    if (!file.commit())
        return reasonOf(file);
    return {};
}

} // namespace quillon
