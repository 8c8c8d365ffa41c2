// The one-time initialisation run the first time the main window becomes active:
// language manager, settings, then the tables the windows fill themselves from.
#pragma once

namespace quillon {

// Creates and loads the language manager, then reads the settings file.
void initialiseLanguageAndSettings();

} // namespace quillon
