#include "app/startup.h"

#include "app/programfolder.h"
#include "i18n/gerelanguage.h"
#include "storage/settingsfile.h"

#include <memory>

namespace quillon {

void initialiseLanguageAndSettings()
{
    auto manager = std::make_unique<Tgerelanguage>();
    manager->fileName = programFolder() + QStringLiteral("quillon.lg");
    manager->Load();
    setLanguageManager(std::move(manager));
    // The settings fix the current language for the rest of the run.
    readSettingsFile();
}

} // namespace quillon
