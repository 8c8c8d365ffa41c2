// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/settingsfile.h"

#include "core/files/replacefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtEndian>
#include <cstring>
#include <limits>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace quillon {

namespace {

const QString kSettingsFileName = QStringLiteral("QUILLON.PAR");

void putInt(QByteArray &bytes, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + offset);
}

qint32 getInt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// A folder is writable when a file can really be made in it: the permission bits
// say too little for the superuser or for read-only mounts.
bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quillon-probe-XXXXXX")));
    return probe.open();
}

QString userSettingsFilePath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(config).filePath(kSettingsFileName);
}

} // namespace

QByteArray encodeSettings(const SettingsRecord &record)
{
    QByteArray bytes(kSettingsRecordSize, '\0');
    putInt(bytes, 0, record.reserved0);
    putInt(bytes, 4, record.languageCode);
    putInt(bytes, 8, record.horizontalOffset);
    putInt(bytes, 12, record.verticalOffset);
    putInt(bytes, 16, record.reserved16);
    std::memcpy(bytes.data() + 20, record.reserved20.data(), record.reserved20.size());
    return bytes;
}

bool decodeSettings(const QByteArray &bytes, SettingsRecord &record)
{
    if (bytes.size() < kSettingsRecordSize)
        return false;
    record.reserved0 = getInt(bytes, 0);
    record.languageCode = getInt(bytes, 4);
    record.horizontalOffset = getInt(bytes, 8);
    record.verticalOffset = getInt(bytes, 12);
    record.reserved16 = getInt(bytes, 16);
    std::memcpy(record.reserved20.data(), bytes.constData() + 20, record.reserved20.size());
    return true;
}

SettingsRecord defaultSettings()
{
    SettingsRecord record;
    record.languageCode = 1;
    record.horizontalOffset = 0;
    record.verticalOffset = 0;
    record.reserved16 = 1;
    return record;
}

bool programFolderBelongsToSystem(const QString &folder, uint ownerId, uint userId)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    const bool underUsr = path == QLatin1String("/usr") || path.startsWith(QLatin1String("/usr/"));
    return underUsr || ownerId != userId;
}

QString settingsFilePath(const QString &programFolder)
{
    const QString inProgramFolder = QDir(programFolder).filePath(kSettingsFileName);
    const QFileInfo folder(programFolder);
    // The real place counts: a link from a folder of the user's into /usr does not
    // make the installed folder a portable copy.
    const QString real = folder.canonicalFilePath().isEmpty() ? programFolder : folder.canonicalFilePath();
#ifdef Q_OS_UNIX
    // The user files are created as.
    const uint user = uint(::geteuid());
#else
    // Ownership is not told this way here: the probe below decides alone.
    const uint user = folder.ownerId();
#endif
    return !programFolderBelongsToSystem(real, folder.ownerId(), user) && canCreateFilesIn(programFolder)
        ? inProgramFolder
        : userSettingsFilePath();
}

QString settingsFileToRead(const QString &programFolder)
{
    const QString written = settingsFilePath(programFolder);
    if (QFileInfo::exists(written))
        return written;
    const QString inProgramFolder = QDir(programFolder).filePath(kSettingsFileName);
    const QString other = written == inProgramFolder ? userSettingsFilePath() : inProgramFolder;
    return QFileInfo::exists(other) ? other : written;
}

SettingsRecord readSettingsFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return defaultSettings();
    QFile file(path);
    // Regular files only: opening a named pipe would wait for a writer forever.
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(kSettingsRecordSize);
        SettingsRecord record;
        if (decodeSettings(bytes, record)) {
            // An offset the dialog cannot give came from a damaged or hand-edited
            // file. Brought to the nearest bound it would still throw every mark off
            // the ticket; 0 prints where a first start does. The rest of the record
            // stays.
            for (qint32 *offset : { &record.horizontalOffset, &record.verticalOffset }) {
                if (*offset < kLowestOffset || *offset > kHighestOffset)
                    *offset = 0;
            }
            return record;
        }
    }
    file.close();
    QFile::remove(path);
    return defaultSettings();
}

bool writeSettingsFile(const SettingsRecord &record, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);
    return replaceFile(path, encodeSettings(record), LinkHandling::ReplaceLink).isEmpty();
}

QString settingsWriteFailureText()
{
    return QStringLiteral("Il y a eu un problème");
}

QString settingsWriteFailureCaption()
{
    return QStringLiteral("Fichier non sauvegardé !!");
}

qint32 offsetFromText(const QString &text)
{
    qsizetype p = 0;
    const qsizetype length = text.size();
    while (p < length && text[p] == QLatin1Char(' '))
        ++p;
    bool negative = false;
    if (p < length && (text[p] == QLatin1Char('+') || text[p] == QLatin1Char('-'))) {
        negative = text[p] == QLatin1Char('-');
        ++p;
    }
    qint64 value = 0;
    while (p < length && text[p] >= QLatin1Char('0') && text[p] <= QLatin1Char('9')) {
        value = value * 10 + (text[p].unicode() - u'0');
        // Far beyond any offset; keeps the arithmetic in range.
        value = qMin<qint64>(value, qint64(std::numeric_limits<qint32>::max()) + 1);
        ++p;
    }
    const bool whole = p == length;
    if (whole && negative)
        value = -value;
    constexpr qint64 lowest = std::numeric_limits<qint32>::min();
    constexpr qint64 highest = std::numeric_limits<qint32>::max();
    return qint32(qBound(lowest, value, highest));
}

QString offsetToText(qint32 offset)
{
    return QString::number(offset).left(7);
}

} // namespace quillon
