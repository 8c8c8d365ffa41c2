// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/displaynames.h"

#include "core/text/messages.h"
#include "core/wheels/catalogue.h"
#include "core/wheels/wheel.h"

#include <algorithm>

namespace quillon {

namespace {

// A number right-aligned in a field of the given width.
QString padded(qint32 value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char(' '));
}

} // namespace

QString displayName(const Wheel &wheel, const Texts &text)
{
    const QLatin1Char space(' ');
    return space + padded(wheel.guarantee(), 2) + space + text(Msg::NumbersWord) + space + text(Msg::IfWord)
        + space + padded(wheel.condition(), 2) + space + text(Msg::AmongWord) + space
        + padded(wheel.poolSize(), 2) + space + text(Msg::InWord) + space + padded(wheel.boardCount(), 5)
        + space + text(Msg::BoardsWord);
}

QList<SystemListItem> systemListItems(const Texts &text)
{
    QList<SystemListItem> items;
    for (int index = 1; index <= kSystemCount; ++index) {
        if (hasWheelTable(index))
            items.append({ displayName(Wheel::fromCatalogue(index), text), index });
    }
    std::stable_sort(items.begin(), items.end(),
        [](const SystemListItem &a, const SystemListItem &b) { return a.text < b.text; });
    return items;
}

} // namespace quillon
