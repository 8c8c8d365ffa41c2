// SPDX-License-Identifier: GPL-3.0-or-later
// The translations of every text the program shows beyond the message catalogue: the
// program's own (quillon_fr.qm, quillon_hr.qm … next to the program) and Qt's (the
// buttons of message boxes, the file dialogs: qtbase_fr, qtbase_hr as Qt ships them).
// Both are swapped together whenever the language changes.
#pragma once

#include "core/text/translator.h"

class QtTranslations {
public:
    QtTranslations();

    // Installs both sets of the language on the application, in place of those before;
    // a language with no translations of its own leaves the texts in English. False
    // when a file could not be loaded.
    bool use(quillon::Language language);

private:
    quillon::ProgramTranslator m_program;
    quillon::LanguageTranslator m_qt;
};
