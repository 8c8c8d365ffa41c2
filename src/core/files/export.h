// SPDX-License-Identifier: GPL-3.0-or-later
// The text export: one line per board, every number followed by a comma, lines
// ended by CR LF, 8-bit text.
#pragma once

#include "core/wheels/selection.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace quillon {

struct BoardList;

// The export line of a board string, numbers in position order, e.g. "5,9,14,21,27,33,38,\r\n".
QByteArray exportLine(const QByteArray &board, const Selection &from);

// Writes the boards over the selection into out, one line each, in board order. Throws
// QuillonError with the device's description when a write fails.
void generateExport(const BoardList &boards, const Selection &selection, QIODevice &out);

// The chosen file name with ".suffix" added when it has no extension.
QString withDefaultSuffix(const QString &path, const QString &suffix);

// The same file name with its extension, if any, replaced by ".suffix": the save
// dialogs share the last name chosen, and the export must not propose a game file
// (nor the game save an export).
QString withSuffix(const QString &path, const QString &suffix);

// Writes the export of the boards over the selection to the file at path. The file is replaced only once
// every line is on disk, so a failure (a full disk, a folder that takes no new file)
// leaves any earlier file byte for byte as it was. Throws QuillonError naming the
// file and the system's description of the error.
void exportBoards(const BoardList &boards, const Selection &selection, const QString &path);

} // namespace quillon
