// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the program added beyond the message catalogue, and Qt's own, in the
// player's language: Qt Linguist translations (.qm) installed on the application.
#pragma once

#include "core/text/language.h"

#include <QString>
#include <QTranslator>
#include <optional>

namespace quillon {

// The suffix of a language's translation files: "fr", "hr", and "en" for every other
// language, English being the language the texts are written in.
QString translationSuffix(Language language);

// One set of translations, <prefix>_<suffix>.qm in a folder, installed on the
// application for the language in use in place of the one installed before.
class LanguageTranslator {
public:
    LanguageTranslator(const QString &prefix, const QString &folder);
    ~LanguageTranslator();
    LanguageTranslator(const LanguageTranslator &) = delete;
    LanguageTranslator &operator=(const LanguageTranslator &) = delete;

    // Installs the language's file. False when it could not be loaded: nothing of
    // this set is installed then, and its texts show in English.
    bool use(Language language);
    // Removes the set: its texts show in English.
    void clear();

private:
    QString m_prefix;
    QString m_folder;
    QTranslator m_translator;
    bool m_installed = false;
    std::optional<Language> m_language;
};

// The program's own translations, quillon_fr.qm, quillon_en.qm and quillon_hr.qm, which
// the build and the installation put next to the executable.
class ProgramTranslator : public LanguageTranslator {
public:
    ProgramTranslator();
};

} // namespace quillon
