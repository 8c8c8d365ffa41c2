#include "core/text/startup.h"

#include "core/files/programfolder.h"
#include "core/text/gerelanguage.h"
#include "core/files/settingsfile.h"

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
