#include "i18n/gerelanguage.h"

namespace quillon {

namespace {
std::unique_ptr<Tgerelanguage> &managerSlot()
{
    static std::unique_ptr<Tgerelanguage> manager;
    return manager;
}
} // namespace

bool Tgerelanguage::Load()
{
    // Reading the translation file arrives with the text reader.
    m_loaded = false;
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
    Q_UNUSED(language);
    return QString::fromLatin1(text(n));
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
