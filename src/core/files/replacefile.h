// SPDX-License-Identifier: GPL-3.0-or-later
// Writing over a file the player (or the program) already has without ever damaging it.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillon {

// What to do when the path to replace is a symbolic link.
enum class LinkHandling {
    WriteTarget, // replace the file the link points to, keeping the link
    ReplaceLink, // put a regular file in the link's place; the target stays untouched
};

// Replaces the file at path with bytes. They go to a temporary file in the same
// folder, which is renamed over the old file only once every byte has been written;
// on any failure the temporary file is dropped and the old file stays byte for byte
// as it was. The old file is never written in place, so a folder that takes no new
// file is a failure too.
// Returns an empty string on success, otherwise the reason in the system's words
// ("No space left on device").
QString replaceFile(
    const QString &path, const QByteArray &bytes, LinkHandling links = LinkHandling::WriteTarget);

struct FileContents {
    QString path;
    QByteArray bytes;
};

// Puts every file in place and removes the files of toRemove, all or nothing: each
// file is first written whole beside its place, and only when all of them are on
// disk do they replace the old ones. On any failure every file already there is
// left byte for byte as it was, nothing new is left behind, and the result is
// "path: reason" for the file that failed. Empty on success.
QString replaceFiles(const QList<FileContents> &files, const QStringList &toRemove = {});

} // namespace quillon
