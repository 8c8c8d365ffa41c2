// SPDX-License-Identifier: GPL-3.0-or-later
// The game file: the chosen system and the forty box numbers in one 228-byte record.
//
// Layout (integers little-endian): 0 signature length 2, 1–2 "QL", 4 format 1,
// 8 system index, 16 pool size, 20 key-number count, 24 the table in play (1: the
// system's smallest table, anything else the catalogue's), 28 numbers 1 … 40, and
// reserved bytes elsewhere. One record is held in memory for the whole run: saving
// fills its named fields only and loading replaces it, so reserved bytes read from
// a game file go out again with the next save.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace quillon {

struct Selection;

constexpr qsizetype kGameRecordSize = 228;
constexpr int kGameNumberCount = 40;

struct GameRecord {
    std::array<char, kGameRecordSize> bytes {};

    bool hasSignature() const;
    qint32 systemIndex() const;
    // Stored number k (1 … 40).
    qint32 number(int k) const;
    // Whether the game plays the system's smallest table. Marking the catalogue's table
    // clears only a mark of the smallest, so any other byte read there goes out unchanged.
    bool usesSmallestTable() const;
    void setSmallestTable(bool smallest);
};

// Fills the named fields of the record for the given system from the texts of the
// boxes c1 … c40. The boxes are read into the selection's slots as for any command,
// so a box without a number shifts the following ones down a slot.
void fillGameRecord(GameRecord &record, Selection &selection, int system, const QStringList &boxTexts);

// Writes the record; the file is replaced only once the whole record is written.
bool writeGameFile(const QString &path, const GameRecord &record);

enum class GameLoadResult { Loaded, Missing, ReadFailed, NotAGameFile };

// Reads the first 228 bytes of the file. The record takes them only when the file
// is a game file; otherwise it is left as it was.
GameLoadResult readGameFile(const QString &path, GameRecord &record);

} // namespace quillon
