// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/replacefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <filesystem>
#include <memory>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace quillon {

namespace {

QString reasonOf(const QFileDevice &file)
{
    const QString reason = file.errorString();
    // Qt's default text when a failure set no reason of its own.
    if (file.error() == QFileDevice::NoError || reason.isEmpty() || reason == QLatin1String("Unknown error"))
        return QCoreApplication::translate("quillon", "the file could not be written whole");
    return reason;
}

QString noTemporaryFileReason(const QFileDevice &file)
{
    return QCoreApplication::translate("quillon", "cannot create a temporary file in its folder (%1)")
        .arg(reasonOf(file));
}

// Writes every byte, then empties Qt's buffer: a short or failed write is reported,
// never left for a later flush that nobody checks.
QString writeWhole(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return reasonOf(file);
        // A short write gives no reason; the next one meets the system's.
        done += written;
    }
    if (!file.flush())
        return reasonOf(file);
    return {};
}

QString systemReason(const std::error_code &error)
{
    // Qt words the common failures itself, in the player's language.
    return qt_error_string(error.value());
}

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

bool existsOrIsLink(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A template for a temporary file in the same folder as path, hidden, named after
// it: on the same file system, so that a rename puts it in place in one step.
QString hiddenNameBeside(const QString &path, const QString &role)
{
    const QFileInfo info(path);
    return info.absoluteDir().filePath(QStringLiteral(".%1-%2-XXXXXX").arg(info.fileName(), role));
}

// QTemporaryFile opens buffered: a short write would then surface at the flush
// without the system's reason.
class UnbufferedTemporaryFile : public QTemporaryFile {
public:
    using QTemporaryFile::QTemporaryFile;
    bool openUnbuffered() { return QTemporaryFile::open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
};

// A new file written whole beside its place, under a hidden name of its own; it is
// removed with the object unless it was moved into place.
class StagedFile {
public:
    explicit StagedFile(const QString &target)
        : m_target(target)
        , m_file(hiddenNameBeside(target, QStringLiteral("new")))
    {
    }

    // Empty on success, otherwise the reason.
    QString write(const QByteArray &bytes)
    {
        if (!m_file.openUnbuffered())
            return noTemporaryFileReason(m_file);
        QString reason = writeWhole(m_file, bytes);
#ifdef Q_OS_UNIX
        // On disk before it replaces anything: a crash then leaves the old file or the
        // new one, never an empty one.
        if (reason.isEmpty() && ::fsync(m_file.handle()) != 0)
            reason = systemReason(std::error_code(errno, std::generic_category()));
#endif
        // A temporary file is private to its owner; the new file is readable as a
        // file the player saves is, or keeps the rights of the regular file it replaces.
        const QFileInfo old(m_target);
        const QFileDevice::Permissions rights = old.isFile() && !old.isSymLink() ? old.permissions()
                                                                                 : QFileDevice::ReadOwner
                | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        m_file.setPermissions(rights);
        m_file.close();
        return reason;
    }

    // Moves the file to its place in one step, replacing what is there; a link there is
    // replaced, not followed.
    QString moveIntoPlace()
    {
        std::error_code error;
        std::filesystem::rename(nativePath(m_file.fileName()), nativePath(m_target), error);
        if (error)
            return systemReason(error);
        m_file.setAutoRemove(false);
        return {};
    }

private:
    QString m_target;
    UnbufferedTemporaryFile m_file;
};

// A file already there, moved aside under a hidden name until the new files are all
// in place: put back on failure, removed with the object otherwise.
class MovedAside {
public:
    explicit MovedAside(const QString &path)
        : m_path(path)
        , m_aside(hiddenNameBeside(path, QStringLiteral("old")))
    {
    }

    QString moveAside()
    {
        // The hidden name is reserved by creating it, then taken over by the rename.
        if (!m_aside.open())
            return noTemporaryFileReason(m_aside);
        m_aside.close();
        std::error_code error;
        std::filesystem::rename(nativePath(m_path), nativePath(m_aside.fileName()), error);
        if (error)
            return systemReason(error);
        m_movedAside = true;
        return {};
    }

    void putBack()
    {
        if (!m_movedAside)
            return;
        std::error_code error;
        std::filesystem::rename(nativePath(m_aside.fileName()), nativePath(m_path), error);
        if (!error)
            m_aside.setAutoRemove(false);
    }

private:
    QString m_path;
    QTemporaryFile m_aside;
    bool m_movedAside = false;
};

QString failure(const QString &path, const QString &reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

// The files put in place so far, undone in reverse order when a later step fails.
struct Replacement {
    QString path;
    std::unique_ptr<MovedAside> old;
    bool placed = false;
};

void undo(std::vector<Replacement> &done)
{
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
        if (it->placed && !it->old)
            QFile::remove(it->path);
        if (it->old)
            it->old->putBack();
    }
}

} // namespace

QString replaceFile(const QString &path, const QByteArray &bytes, LinkHandling links)
{
    if (links == LinkHandling::ReplaceLink && QFileInfo(path).isSymLink()) {
        // QSaveFile writes to a link's target; a new file renamed over the link takes
        // its place instead.
        StagedFile file(path);
        QString reason = file.write(bytes);
        if (reason.isEmpty())
            reason = file.moveIntoPlace();
        return reason;
    }
    QSaveFile file(path);
    // Writing into the old file when no temporary file can be made would lose it at
    // the first failure.
    file.setDirectWriteFallback(false);
    // Unbuffered, every write reaches the system here and its failure is seen: Qt's
    // commit() does not check the final flush of a buffer and would rename a short
    // file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (file.error() == QFileDevice::OpenError)
            return noTemporaryFileReason(file);
        return reasonOf(file);
    }
    const QString reason = writeWhole(file, bytes);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return reasonOf(file);
    return {};
}

QString replaceFiles(const QList<FileContents> &files, const QStringList &toRemove)
{
    // Every new file on disk first: a full disk stops the run here, before any old
    // file is touched.
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (const FileContents &file : files) {
        staged.push_back(std::make_unique<StagedFile>(file.path));
        const QString reason = staged.back()->write(file.bytes);
        if (!reason.isEmpty())
            return failure(file.path, reason);
    }
    // Then renames only, which need no room; the old files wait aside until the end.
    std::vector<Replacement> done;
    for (qsizetype i = 0; i < files.size() + toRemove.size(); ++i) {
        const bool isNew = i < files.size();
        const QString path = isNew ? files[i].path : toRemove[i - files.size()];
        done.push_back({ path, nullptr, false });
        Replacement &step = done.back();
        if (existsOrIsLink(path)) {
            auto old = std::make_unique<MovedAside>(path);
            const QString reason = old->moveAside();
            if (!reason.isEmpty()) {
                undo(done);
                return failure(path, reason);
            }
            step.old = std::move(old);
        }
        if (isNew) {
            const QString reason = staged[size_t(i)]->moveIntoPlace();
            if (!reason.isEmpty()) {
                undo(done);
                return failure(path, reason);
            }
            step.placed = true;
        }
    }
    return {};
}

} // namespace quillon
