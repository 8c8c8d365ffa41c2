#include "core/text/language.h"

#include "core/files/settings.h"

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
