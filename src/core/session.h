// SPDX-License-Identifier: GPL-3.0-or-later
// The data of one run of the program: the player's numbers and boards, the last
// draw compared, the game record, the settings and the message texts. main owns one
// Session and hands it to the windows; core functions take the parts they read.
#pragma once

#include "core/draw/rating.h"
#include "core/files/gamefile.h"
#include "core/files/settings.h"
#include "core/text/messages.h"
#include "core/text/translationfile.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "core/wheels/wheel.h"

#include <QString>
#include <memory>

namespace quillon {

struct Session {
    Session();

    Selection selection;
    // The wheel in play, and its boards over the selection's numbers.
    Wheel wheel;
    BoardList boards;
    DrawState draw;
    GameRecord game;
    SettingsRecord settings;
    // The translation file "quillon.lg"; null until the one-time initialisation.
    std::unique_ptr<TranslationFile> translations;
    // Where the settings, translation and help files are looked up: the folder of the
    // running executable unless a test points elsewhere.
    QString programFolder;

    Language language() const { return Language(settings.languageCode); }
    // The message texts in the current language.
    Texts texts() const { return Texts(translations.get(), language()); }
    QString text(Msg message) const { return texts()(message); }
};

// The one-time initialisation at the first activation of the main window: loads the
// translation file, then reads the settings file, which fixes the current language.
void initialiseLanguageAndSettings(Session &session);

} // namespace quillon
