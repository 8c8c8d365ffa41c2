// The folder of the running executable, where the settings, translation and help
// files are looked up. Always ends with a '/'.
#pragma once

#include <QString>

namespace quillon {

QString programFolder();
// Lets a test point the program at a folder of its own; an empty path restores the default.
void setProgramFolder(const QString &folder);

} // namespace quillon
