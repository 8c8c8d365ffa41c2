// Texts the program gained after the message catalogue was fixed. They have no line
// in the translation file, whose numbering they must not disturb, so they always come
// from here: in French, English and Croatian, and in English for any other language.
#pragma once

#include "core/text/language.h"

#include <QString>

namespace quillon {

enum class AddedText {
    LanguageLabelAllLanguages, // the language choice's label where the catalogue has none
    FrenchName,                // each language by its own name
    EnglishName,
    CroatianName,
};

QString addedText(AddedText text, Language language);

} // namespace quillon
