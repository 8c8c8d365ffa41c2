// SPDX-License-Identifier: GPL-3.0-or-later
// The help page shipped next to the program and shown by the desktop's viewer.
#pragma once

#include <QDir>
#include <QString>
#include <QUrl>

namespace quillon {

// An HTML page: every desktop has a viewer for it.
inline QString helpFileName()
{
    return QStringLiteral("quillon.html");
}

// The help page in the program folder, opened at the section of one language. The page
// holds a section per language, its id the language's two letters ("fr", "en", "hr"),
// the same as the suffix of the language's translation files.
inline QUrl helpPageUrl(const QString &programFolder, const QString &section)
{
    QUrl url = QUrl::fromLocalFile(QDir(programFolder).filePath(helpFileName()));
    url.setFragment(section);
    return url;
}

} // namespace quillon
