#include "output/export.h"

#include "app/errors.h"
#include "engine/boardlist.h"
#include "engine/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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

void generateExport(int system, QIODevice &out)
{
    const int count = systemDescriptor(system).boardCount;
    for (int j = 1; j <= count; ++j) {
        const QByteArray line = exportLine(buildBoard(system, j));
        if (out.write(line) != line.size())
            throw QuillonError(out.errorString());
    }
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    if (suffix.isEmpty() || !info.suffix().isEmpty() || info.fileName().isEmpty() || path.endsWith(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

void exportBoards(int system, const QString &path)
{
    const auto failure = [&path](const QString &reason) {
        return QuillonError(QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
    };
    QSaveFile file(path);
    // A folder that only lets the file itself be rewritten still gets the export.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    try {
        generateExport(system, file);
    } catch (const QuillonError &error) {
        file.cancelWriting();
        throw failure(error.text());
    }
    if (!file.commit())
        throw failure(file.errorString());
}

} // namespace quillon
