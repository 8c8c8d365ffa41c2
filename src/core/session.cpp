// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session.h"

#include "core/files/settingsfile.h"

#include <QCoreApplication>
#include <QDir>

namespace quillon {

Session::Session()
    : programFolder(QCoreApplication::applicationDirPath())
{
}

void initialiseLanguageAndSettings(Session &session)
{
    auto translations = std::make_unique<TranslationFile>();
    translations->setFileName(QDir(session.programFolder).filePath(QStringLiteral("quillon.lg")));
    translations->load();
    session.translations = std::move(translations);
    session.settings = readSettingsFile(settingsFileToRead(session.programFolder));
}

} // namespace quillon
