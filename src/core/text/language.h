// The current language code, held in the settings record and fixed for a run.
#pragma once

#include <QtGlobal>

namespace quillon {

enum LanguageCode : qint32 {
    French = 1,
    English = 2,
    Portuguese = 3,
    NoTexts = 4,
    Italian = 5,
    Croatian = 6,
};

qint32 currentLanguage();
void setCurrentLanguage(qint32 code);

} // namespace quillon
