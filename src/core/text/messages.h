// The message catalogue: every language-dependent text, fetched by number.
#pragma once

#include <QString>

namespace quillon {

constexpr int kMessageCount = 128;
constexpr int kLanguageColumns = 6;

// Entry (n, language) of the compiled-in catalogue; empty outside 1 … 128 × 1 … 6.
QString catalogueText(int n, int language);

// Text of message n in the current language: from the translation file when one is
// loaded, else from the catalogue. Never throws; a failing lookup shows the box
// "Erreur" / "Erreur dans pgloretlibmessage" and yields the empty text.
QString pgloretlibmessage(int n);

} // namespace quillon
