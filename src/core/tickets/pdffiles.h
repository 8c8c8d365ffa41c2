// SPDX-License-Identifier: GPL-3.0-or-later
// Pages saved as PDF files when there is no printer: where they go, what the player
// is asked before files already there are replaced, and what he is told after.
#pragma once

#include "core/platform.h"
#include "core/text/messages.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillon {

// The files of a run of count documents: the path chosen for one file, or, one a
// document, name-1.pdf, name-2.pdf … beside it.
QStringList pdfFileNames(const QString &chosenPath, bool numbered, qsizetype count);

// The numbered files of the same set beside the chosen path past the last one a run
// of count documents writes: left there by a longer run, they would be taken for
// this run's. In ascending order of their numbers.
QStringList leftoverNumberedFiles(const QString &chosenPath, qsizetype count);

// A list of files short enough for a message box: one a line when there are a few,
// otherwise the count, the folder and the first and last names.
QString filesInBrief(const QStringList &paths);

// Puts the documents in their files. Before a file already there is replaced or a
// leftover of the set removed, the player is asked, naming them; then he is told
// where the files went, or which file could not be written and why. False when he
// declined or a file failed: every file already there is then as it was and nothing
// new is left.
bool savePdfFiles(const Texts &texts, Prompts &prompts, const QString &chosenPath, bool numbered,
    const QList<QByteArray> &documents);

} // namespace quillon
