// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/translationfile.h"

#include "core/files/textfilereader.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace quillon {

namespace {

constexpr int kHeaderLines = 10;

// True when the field holds at least one character above a blank.
bool hasVisibleCharacter(const QByteArray &field)
{
    for (char c : field) {
        if (static_cast<unsigned char>(c) > 32)
            return true;
    }
    return false;
}

} // namespace

bool TranslationFile::load()
{
    m_loaded = false;
    m_texts.fill(QByteArray());
    if (!QFileInfo::exists(m_fileName))
        return m_loaded;
    try {
        TextFileReader reader;
        reader.setSeparator(';');
        reader.setFileName(m_fileName);
        for (int i = 0; i < kHeaderLines; ++i)
            reader.nextLine();
        int n = 0;
        // Lines after the last message number are ignored.
        while (!reader.endOfFile() && n < kTextCount) {
            ++n;
            const QByteArray reference = reader.field(1);
            const QByteArray translation = reader.field(2);
            const QByteArray &text = hasVisibleCharacter(translation) ? translation : reference;
            m_texts[size_t(n)] = text.left(kMaxTextLength);
            reader.nextLine();
        }
        m_loaded = true;
    } catch (...) {
        m_texts.fill(QByteArray());
        m_loaded = false;
    }
    return m_loaded;
}

QByteArray TranslationFile::text(int n) const
{
    if (n < 1 || n > kTextCount)
        return {};
    return m_texts[size_t(n)];
}

QString TranslationFile::decodedText(int n, Language language) const
{
    return decodeEightBit(text(n), language);
}

QString decodeEightBit(const QByteArray &bytes, Language language)
{
    if (bytes.isEmpty())
        return {};
    QStringDecoder decoder(language == Language::Croatian ? "windows-1250" : "windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

} // namespace quillon
