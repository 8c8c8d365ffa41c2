// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/selection.h"

#include <limits>

namespace quillon {

bool isWholeNumber(const QString &text, qint32 *value)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return false;
    qint64 v = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > qint64(std::numeric_limits<qint32>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<qint32>::max() || v < std::numeric_limits<qint32>::min())
        return false;
    if (value)
        *value = qint32(v);
    return true;
}

int readSelection(const QStringList &boxTexts, Selection &target)
{
    int i = 1;
    for (int box = 0; box < boxTexts.size() && box < kSlotCount; ++box) {
        const QString &text = boxTexts.at(box);
        qint32 v = 0;
        if (text.trimmed().isEmpty() || !isWholeNumber(text, &v))
            continue;
        target.numbers[size_t(i)] = v;
        ++i;
    }
    return i - 1;
}

QStringList boxItems()
{
    QStringList items;
    items.reserve(kSlotCount);
    for (int k = 1; k <= kSlotCount; ++k)
        items.append(QString::number(k));
    return items;
}

} // namespace quillon
