// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the storage tests: files written and read back whole.
#pragma once

#include "core/files/settingsfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quillon::test {

// Writes a fresh file (a rewrite in place makes some file systems flush at close).
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A named pipe, which blocks whoever opens it for reading until a writer comes.
inline QString namedPipe(const QString &path)
{
    QFile::remove(path);
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        qFatal("cannot make the pipe %s", qPrintable(path));
    return path;
}

// While it lives, no file of the process grows past maxBytes: a write beyond fails
// with "File too large", as a full disk fails, without root or a mount.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 maxBytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        // Failing writes are to return an error, not to end the process.
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_before;
        limit.rlim_cur = rlim_t(maxBytes);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            qFatal("cannot limit the file size");
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before {};
    void (*m_handler)(int) = nullptr;
};

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline QByteArray int32(qint32 v)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(v, bytes.data());
    return bytes;
}

// A settings record with the given language and offsets, the rest as by default.
inline QByteArray settingsBytes(qint32 language, qint32 horizontal, qint32 vertical)
{
    QByteArray bytes = encodeSettings(defaultSettings());
    bytes.replace(4, 4, int32(language));
    bytes.replace(8, 4, int32(horizontal));
    bytes.replace(12, 4, int32(vertical));
    return bytes;
}

// A translation file: ten header lines, then message lines 1 … count reading
// "fr<n>;en<n>", with line 21 replaced when given.
inline QByteArray languageFile(int count, const QByteArray &line21 = {})
{
    QByteArray file;
    for (int i = 1; i <= 10; ++i)
        file += "header\n";
    for (int n = 1; n <= count; ++n)
        file += (n == 21 && !line21.isNull() ? line21
                                             : "fr" + QByteArray::number(n) + ";en" + QByteArray::number(n))
            + "\n";
    return file;
}

} // namespace quillon::test
