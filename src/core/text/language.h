// SPDX-License-Identifier: GPL-3.0-or-later
// The interface languages, by the code the settings record stores for each.
#pragma once

#include <QtGlobal>

namespace quillon {

// A code read from a settings file may be any number: one outside these has no texts.
enum class Language : qint32 {
    French = 1,
    English = 2,
    Portuguese = 3,
    NoTexts = 4,
    Italian = 5,
    Croatian = 6,
};

// The languages the player can choose, in the order the settings dialog lists them:
// the three with texts for nearly every message.
inline constexpr Language kChoosableLanguages[] = { Language::French, Language::English, Language::Croatian };

} // namespace quillon
