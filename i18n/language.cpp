#include "i18n/language.h"

#include "storage/settings.h"

namespace quillon {

qint32 currentLanguage()
{
    return settings().languageCode;
}

void setCurrentLanguage(qint32 code)
{
    settings().languageCode = code;
}

} // namespace quillon
