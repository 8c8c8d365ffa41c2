#include "core/text/gerelanguage.h"

#include "core/text/language.h"
#include "core/files/textfile.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace quillon {

namespace {

std::unique_ptr<Tgerelanguage> &managerSlot()
{
    static std::unique_ptr<Tgerelanguage> manager;
    return manager;
}

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

bool Tgerelanguage::Load()
{
    m_loaded = false;
    m_texts.fill(QByteArray());
    if (!QFileInfo::exists(fileName))
        return m_loaded;
    try {
        TTextFile reader;
        reader.Separator = ';';
        reader.setFileName(fileName);
        for (int i = 0; i < kHeaderLines; ++i)
            reader.NextLine();
        int n = 0;
        // Lines after the last message number are ignored.
        while (!reader.EndOfFile() && n < kTextCount) {
            ++n;
            const QByteArray reference = reader.Field(1);
            const QByteArray translation = reader.Field(2);
            const QByteArray &text = hasVisibleCharacter(translation) ? translation : reference;
            m_texts[size_t(n)] = text.left(kMaxTextLength);
            reader.NextLine();
        }
        m_loaded = true;
    } catch (...) {
        m_texts.fill(QByteArray());
        m_loaded = false;
    }
    return m_loaded;
}

QByteArray Tgerelanguage::text(int n) const
{
    if (n < 1 || n > kTextCount)
        return {};
    return m_texts[size_t(n)];
}

QString Tgerelanguage::decodedText(int n, int language) const
{
    return decodeEightBit(text(n), language);
}

QString decodeEightBit(const QByteArray &bytes, int language)
{
    if (bytes.isEmpty())
        return {};
    QStringDecoder decoder(language == Croatian ? "windows-1250" : "windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

Tgerelanguage *languageManager()
{
    return managerSlot().get();
}

void setLanguageManager(std::unique_ptr<Tgerelanguage> manager)
{
    managerSlot() = std::move(manager);
}

} // namespace quillon
