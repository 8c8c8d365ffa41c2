#include "core/text/addedtexts.h"

#include <array>

namespace quillon {

namespace {

struct Entry {
    AddedText text;
    std::array<const char16_t *, 3> words; // French, English, Croatian
};

const Entry kAddedTexts[] = {
    {AddedText::LanguageLabelAllLanguages, {u"Langue / Language / Jezik", u"Langue / Language / Jezik",
                                               u"Langue / Language / Jezik"}},
    {AddedText::FrenchName, {u"Français", u"Français", u"Français"}},
    {AddedText::EnglishName, {u"English", u"English", u"English"}},
    {AddedText::CroatianName, {u"Hrvatski", u"Hrvatski", u"Hrvatski"}},
};

size_t column(Language language)
{
    switch (language) {
    case Language::French:
        return 0;
    case Language::Croatian:
        return 2;
    default:
        return 1;
    }
}

} // namespace

QString addedText(AddedText text, Language language)
{
    for (const Entry &e : kAddedTexts) {
        if (e.text == text)
            return QString::fromUtf16(e.words[column(language)]);
    }
    return {};
}

} // namespace quillon
