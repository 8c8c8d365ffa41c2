// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file "QUILLON.PAR": one 32-byte record, integers little-endian.
//
// It lives in the program folder of a portable copy, or in the user's configuration
// folder when the program is installed on the system or its folder takes no new file. It is read once at the
// first activation of the main window and written when the player leaves through
// "Quitter".
#pragma once

#include "core/files/settings.h"

#include <QByteArray>
#include <QString>

namespace quillon {

constexpr qsizetype kSettingsRecordSize = 32;

// The offsets the settings dialog can give: at most five characters typed.
constexpr qint32 kLowestOffset = -9999;
constexpr qint32 kHighestOffset = 99999;

QByteArray encodeSettings(const SettingsRecord &record);
// Decodes the first 32 bytes; false (record untouched) when fewer are given.
bool decodeSettings(const QByteArray &bytes, SettingsRecord &record);

// The settings of a first start: French, offsets 0.
SettingsRecord defaultSettings();

// Whether a program folder belongs to the system rather than to the player: an
// installed program under /usr, or a folder the user (userId) does not own. Such a
// folder is never written to, whoever runs the program, so that removing the
// package leaves nothing behind.
bool programFolderBelongsToSystem(const QString &folder, uint ownerId, uint userId);

// Where the settings file is written: the program folder when it is the player's
// own (a portable copy) and a file can be made in it, otherwise the user's
// configuration folder.
QString settingsFilePath(const QString &programFolder);
// Where it is read: the file where it will be written when there is one, otherwise
// the one in the other place, so that a file left in a read-only program folder is
// still read.
QString settingsFileToRead(const QString &programFolder);

// Reads the settings file. A missing file gives the defaults; a file that cannot be
// read whole is deleted and the defaults are used. An offset outside the dialog's
// range is read as 0.
SettingsRecord readSettingsFile(const QString &path);

// Writes the record to the file, replacing it only once the whole record is on
// disk. False when the write failed; the file the user had is then untouched. A
// link at path is replaced by the file, never written through.
bool writeSettingsFile(const SettingsRecord &record, const QString &path);

// The two fixed texts shown when the settings cannot be written.
QString settingsWriteFailureText();
QString settingsWriteFailureCaption();

// The offset typed in the settings dialog: leading blanks, an optional sign and
// digits. A text that is not wholly such a number gives the digits read before the
// first character that does not fit, without their sign ("12-3" → 12, "-1-" → 1);
// an empty text or a lone sign gives 0.
qint32 offsetFromText(const QString &text);

// The offset as the dialog shows it: its decimal text, cut to seven characters.
QString offsetToText(qint32 offset);

} // namespace quillon
