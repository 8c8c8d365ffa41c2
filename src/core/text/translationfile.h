// SPDX-License-Identifier: GPL-3.0-or-later
// The language manager: the translation file "quillon.lg" next to the program.
//
// When the file loads, its texts replace the compiled-in message catalogue for the
// whole run. Texts are kept as the file's bytes and decoded at lookup with the code
// page of the current language, because the file is loaded before the settings say
// which language is current.
#pragma once

#include "core/text/language.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace quillon {

class TranslationFile {
public:
    static constexpr int kTextCount = 300;
    // Bytes kept of each text: four times the longest caption. A longer text, which
    // some captions repeat (the word "numéros" goes into every system's name), would stall
    // the start and fill the memory.
    static constexpr qsizetype kMaxTextLength = 255;

    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // Reads the file; sets and returns the loaded flag.
    bool load();
    bool loaded() const { return m_loaded; }
    // Text of message n as stored (1 … 300); empty when the file held no line for n.
    QByteArray text(int n) const;
    // Text of message n decoded with the code page of the given language.
    QString decodedText(int n, Language language) const;

private:
    QString m_fileName;
    bool m_loaded = false;
    std::array<QByteArray, kTextCount + 1> m_texts {};
};

// 8-bit text in the code page of a language: Windows-1250 for Croatian,
// Windows-1252 for the others.
QString decodeEightBit(const QByteArray &bytes, Language language);

} // namespace quillon
