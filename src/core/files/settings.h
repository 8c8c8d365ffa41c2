// SPDX-License-Identifier: GPL-3.0-or-later
// The user settings: interface language and the two printer offsets.
#pragma once

#include <QtGlobal>
#include <array>

namespace quillon {

// The 32-byte settings record, as it stands in the settings file.
struct SettingsRecord {
    qint32 reserved0 = 0;
    qint32 languageCode = 1; // 1 French, 2 English, 3 Portuguese, 4 none, 5 Italian, 6 Croatian
    qint32 horizontalOffset = 0; // millimetres added to every x printed on a ticket
    qint32 verticalOffset = 0; // millimetres added to every y printed on a ticket
    qint32 reserved16 = 1;
    std::array<char, 12> reserved20 {};
};

} // namespace quillon
