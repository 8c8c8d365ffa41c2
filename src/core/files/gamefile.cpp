// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/gamefile.h"

#include "core/files/replacefile.h"
#include "core/wheels/catalogue.h"
#include "core/wheels/selection.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>

namespace quillon {

namespace {

constexpr int kFormatOffset = 4;
constexpr int kSystemOffset = 8;
constexpr int kPoolSizeOffset = 16;
constexpr int kKeyCountOffset = 20;
constexpr int kTableOffset = 24;
constexpr char kSmallestTableMark = 1;
constexpr int kNumbersOffset = 28;
constexpr qint32 kFormatNumber = 1;
const char kSignature[3] = { 2, 'Q', 'L' };

void putInt(GameRecord &record, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, record.bytes.data() + offset);
}

qint32 getInt(const GameRecord &record, int offset)
{
    return qFromLittleEndian<qint32>(record.bytes.data() + offset);
}

} // namespace

bool GameRecord::hasSignature() const
{
    return std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

qint32 GameRecord::systemIndex() const
{
    return getInt(*this, kSystemOffset);
}

qint32 GameRecord::number(int k) const
{
    if (k < 1 || k > kGameNumberCount)
        return 0;
    return getInt(*this, kNumbersOffset + 4 * (k - 1));
}

bool GameRecord::usesSmallestTable() const
{
    return bytes[kTableOffset] == kSmallestTableMark;
}

void GameRecord::setSmallestTable(bool smallest)
{
    if (smallest)
        bytes[kTableOffset] = kSmallestTableMark;
    else if (usesSmallestTable())
        bytes[kTableOffset] = 0;
}

void fillGameRecord(GameRecord &record, Selection &selection, int system, const QStringList &boxTexts)
{
    std::memcpy(record.bytes.data(), kSignature, sizeof kSignature);
    putInt(record, kFormatOffset, kFormatNumber);
    putInt(record, kSystemOffset, system);
    const qint32 poolSize = system >= 1 && system <= kSystemCount ? systemDescriptor(system).poolSize : 0;
    putInt(record, kPoolSizeOffset, poolSize);
    // No system has key numbers: the count is 0 and every number is a selected one.
    putInt(record, kKeyCountOffset, 0);

    readSelection(boxTexts, selection);
    for (int k = 1; k <= kGameNumberCount; ++k)
        putInt(record, kNumbersOffset + 4 * (k - 1), selection.numbers[size_t(k)]);
}

bool writeGameFile(const QString &path, const GameRecord &record)
{
    return replaceFile(path, QByteArray(record.bytes.data(), kGameRecordSize)).isEmpty();
}

GameLoadResult readGameFile(const QString &path, GameRecord &record)
{
    if (!QFileInfo::exists(path))
        return GameLoadResult::Missing;
    QFile file(path);
    // Regular files only: opening a named pipe would wait for a writer forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return GameLoadResult::ReadFailed;
    const QByteArray bytes = file.read(kGameRecordSize);
    if (bytes.size() != kGameRecordSize)
        return GameLoadResult::ReadFailed;
    GameRecord read;
    std::memcpy(read.bytes.data(), bytes.constData(), kGameRecordSize);
    if (!read.hasSignature())
        return GameLoadResult::NotAGameFile;
    record = read;
    return GameLoadResult::Loaded;
}

} // namespace quillon
