// Small helpers shared by the storage tests: files written and read back whole.
#pragma once

#include "core/files/settingsfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

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
        file += (n == 21 && !line21.isNull() ? line21 : "fr" + QByteArray::number(n) + ";en" + QByteArray::number(n)) + "\n";
    return file;
}

} // namespace quillon::test
