// Qt's own texts (the buttons of message boxes, the file dialogs) in the player's
// language, from the translations Qt ships (qtbase_fr, qtbase_hr). The program's own
// texts never come from here: they come from the catalogue and the translation file.
#pragma once

#include "core/text/language.h"

#include <QTranslator>

#include <optional>

class QtTranslations {
public:
    ~QtTranslations();

    // Installs the translator of the language on the application, in place of the one
    // before; English, or a language Qt has no texts for, leaves Qt in English. False
    // when the language's file could not be loaded.
    bool use(quillon::Language language);

private:
    QTranslator m_translator;
    bool m_installed = false;
    std::optional<quillon::Language> m_language;
};
