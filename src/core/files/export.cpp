// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/export.h"

#include "core/errors.h"
#include "core/files/replacefile.h"
#include "core/wheels/boardlist.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

namespace quillon {

QByteArray exportLine(const QByteArray &board, const Selection &from)
{
    QByteArray line;
    line.reserve(board.size() * 3 + 2);
    for (int k = 1; k <= board.size(); ++k) {
        line += QByteArray::number(numberAt(board, k, from));
        line += ',';
    }
    line += "\r\n";
    return line;
}

void generateExport(const BoardList &boards, const Selection &selection, QIODevice &out)
{
    for (int j = 1; j <= boards.boardCount; ++j) {
        const QByteArray line = exportLine(boards.boards.at(j), selection);
        if (out.write(line) != line.size())
            throw QuillonError(out.errorString());
    }
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    if (suffix.isEmpty() || !info.suffix().isEmpty() || info.fileName().isEmpty()
        || path.endsWith(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

QString withSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty())
        return path;
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    // A leading dot starts a hidden file's name, not an extension.
    const QString base = dot > nameStart ? path.left(dot) : path;
    return base + QLatin1Char('.') + suffix;
}

void exportBoards(const BoardList &boards, const Selection &selection, const QString &path)
{
    // The whole text is made first (some 60 KB at most) so that the file is written
    // in one go and replaced only once all of it is on disk.
    QBuffer text;
    text.open(QIODevice::WriteOnly);
    generateExport(boards, selection, text);
    const QString reason = replaceFile(path, text.data());
    if (!reason.isEmpty())
        throw QuillonError(QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
}

} // namespace quillon
