#include "core/text/startup.h"

#include "core/files/programfolder.h"
#include "core/text/translationfile.h"
#include "core/files/settingsfile.h"

#include <memory>

namespace quillon {

void initialiseLanguageAndSettings()
{
    auto manager = std::make_unique<TranslationFile>();
    manager->setFileName(programFolder() + QStringLiteral("quillon.lg"));
    manager->load();
    setTranslationFile(std::move(manager));
    // The settings fix the current language for the rest of the run.
    readSettingsFile();
}

} // namespace quillon
