// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/translator.h"

#include <QCoreApplication>

namespace quillon {

QString translationSuffix(Language language)
{
    switch (language) {
    case Language::French:
        return QStringLiteral("fr");
    case Language::Croatian:
        return QStringLiteral("hr");
    default:
        return QStringLiteral("en");
    }
}

LanguageTranslator::LanguageTranslator(const QString &prefix, const QString &folder)
    : m_prefix(prefix)
    , m_folder(folder)
{
}

LanguageTranslator::~LanguageTranslator()
{
    clear();
}

bool LanguageTranslator::use(Language language)
{
    if (m_language == language)
        return m_installed;
    clear();
    m_language = language;
    if (!m_translator.load(m_prefix + QLatin1Char('_') + translationSuffix(language), m_folder))
        return false;
    m_installed = QCoreApplication::installTranslator(&m_translator);
    return m_installed;
}

void LanguageTranslator::clear()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = false;
    m_language.reset();
}

ProgramTranslator::ProgramTranslator()
    : LanguageTranslator(QStringLiteral("quillon"), QCoreApplication::applicationDirPath())
{
}

} // namespace quillon
