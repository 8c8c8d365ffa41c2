// SPDX-License-Identifier: GPL-3.0-or-later
// The systems' names in a language, and the system list built from them.
#pragma once

#include "core/text/messages.h"

#include <QList>
#include <QString>

namespace quillon {

class Wheel;

// The wheel's name in the texts' language, e.g. "  5 numéros si  7 parmi 12 en     6 grilles".
QString displayName(const Wheel &wheel, const Texts &text);

struct SystemListItem {
    QString text; // the display name
    int index; // the catalogue index the item carries
};

// The system list: one item per system with a wheel table, sorted by text, which
// orders the systems by N, then K, then M, then G.
QList<SystemListItem> systemListItems(const Texts &text);

} // namespace quillon
