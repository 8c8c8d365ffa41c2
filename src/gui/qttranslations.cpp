#include "gui/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using quillon::Language;

QtTranslations::~QtTranslations()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

bool QtTranslations::use(Language language)
{
    if (m_language == language)
        return true;
    m_language = language;
    if (m_installed) {
        QCoreApplication::removeTranslator(&m_translator);
        m_installed = false;
    }
    QString name;
    if (language == Language::French)
        name = QStringLiteral("qtbase_fr");
    else if (language == Language::Croatian)
        name = QStringLiteral("qtbase_hr");
    else
        return true;
    if (!m_translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    m_installed = QCoreApplication::installTranslator(&m_translator);
    return m_installed;
}
