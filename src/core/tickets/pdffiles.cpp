// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/pdffiles.h"

#include "core/files/replacefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace quillon {

namespace {

// Past this many, a list of files is told in brief.
constexpr qsizetype kFilesListedInFull = 5;

// name.pdf → ("name", ".pdf"); a name without a suffix keeps it empty.
std::pair<QString, QString> baseAndSuffix(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return { path.left(path.size() - suffix.size()), suffix };
}

QStringList existing(const QStringList &paths)
{
    QStringList found;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(found), [](const QString &path) {
        const QFileInfo info(path);
        return info.exists() || info.isSymLink();
    });
    return found;
}

} // namespace

QStringList pdfFileNames(const QString &chosenPath, bool numbered, qsizetype count)
{
    if (!numbered)
        return count > 0 ? QStringList { chosenPath } : QStringList();
    const auto [base, suffix] = baseAndSuffix(chosenPath);
    QStringList names;
    for (qsizetype n = 1; n <= count; ++n)
        names.append(base + QLatin1Char('-') + QString::number(n) + suffix);
    return names;
}

QStringList leftoverNumberedFiles(const QString &chosenPath, qsizetype count)
{
    const auto [base, suffix] = baseAndSuffix(chosenPath);
    const QFileInfo baseInfo(base);
    const QRegularExpression numbered(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(baseInfo.fileName())
            + QStringLiteral("-([1-9][0-9]{0,8})") + QRegularExpression::escape(suffix)));
    QList<std::pair<qint64, QString>> found;
    const QDir folder = baseInfo.absoluteDir();
    for (const QString &name :
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = numbered.match(name);
        if (match.hasMatch() && match.captured(1).toLongLong() > count)
            found.append({ match.captured(1).toLongLong(), folder.filePath(name) });
    }
    std::sort(found.begin(), found.end());
    QStringList paths;
    for (const auto &file : found)
        paths.append(file.second);
    return paths;
}

QString filesInBrief(const QStringList &paths)
{
    QStringList shown;
    for (const QString &path : paths)
        shown.append(QDir::toNativeSeparators(path));
    if (paths.size() <= kFilesListedInFull)
        return shown.join(QLatin1Char('\n'));
    return QCoreApplication::translate("quillon", "%1 files in %2, from %3 to %4")
        .arg(paths.size())
        .arg(QDir::toNativeSeparators(QFileInfo(paths.first()).absolutePath()),
            QFileInfo(paths.first()).fileName(), QFileInfo(paths.last()).fileName());
}

bool savePdfFiles(const Texts &texts, Prompts &prompts, const QString &chosenPath, bool numbered,
    const QList<QByteArray> &documents)
{
    const QStringList names = pdfFileNames(chosenPath, numbered, documents.size());
    if (names.isEmpty())
        return false;
    const QStringList replaced = existing(names);
    const QStringList leftovers = numbered ? leftoverNumberedFiles(chosenPath, names.size()) : QStringList();
    // The save dialog leaves the question of replacing files to the command.
    if (!replaced.isEmpty() || !leftovers.isEmpty()) {
        QStringList question;
        if (!replaced.isEmpty()) {
            question.append(
                QCoreApplication::translate("quillon", "These files are already there and will be replaced:")
                + QLatin1Char('\n') + filesInBrief(replaced));
        }
        if (!leftovers.isEmpty()) {
            question.append(
                QCoreApplication::translate("quillon", "These files of an earlier run will be removed:")
                + QLatin1Char('\n') + filesInBrief(leftovers));
        }
        question.append(texts(Msg::OverwriteExportQuestion));
        if (prompts.message(question.join(QStringLiteral("\n\n")), texts(Msg::ExportFileExists),
                Prompts::Buttons::YesNo, Prompts::Icon::Question)
            != Prompts::Answer::Yes)
            return false;
    }
    QList<FileContents> files;
    for (qsizetype i = 0; i < names.size(); ++i)
        files.append({ names[i], documents[i] });
    const QString failure = replaceFiles(files, leftovers);
    if (!failure.isEmpty()) {
        prompts.message(
            QCoreApplication::translate("quillon",
                "The pages could not be saved as PDF.\n%1\nThe files already there were left as they were.")
                .arg(failure),
            QCoreApplication::translate("quillon", "Save as PDF"), Prompts::Buttons::Ok,
            Prompts::Icon::Warning);
        return false;
    }
    prompts.message(
        QCoreApplication::translate("quillon", "The pages were saved in:\n%1").arg(filesInBrief(names)),
        QCoreApplication::translate("quillon", "Save as PDF"), Prompts::Buttons::Ok,
        Prompts::Icon::Information);
    return true;
}

} // namespace quillon
