// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/qttranslations.h"

#include <QLibraryInfo>

using quillon::Language;

QtTranslations::QtTranslations()
    : m_qt(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
{
}

bool QtTranslations::use(Language language)
{
    const bool program = m_program.use(language);
    // Qt's texts are written in English: no file is needed for it.
    if (language != Language::French && language != Language::Croatian) {
        m_qt.clear();
        return program;
    }
    return m_qt.use(language) && program;
}
