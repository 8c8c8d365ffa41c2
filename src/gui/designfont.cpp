// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/designfont.h"

QFont designFont(const QString &family, int pixelHeight, bool bold)
{
    // The windows were laid out in the Windows system fonts; where they are missing,
    // the metric-compatible Liberation fonts keep captions within their controls.
    static const bool substituted = [] {
        const QString sans = QStringLiteral("Liberation Sans");
        for (const char *name : { "MS Sans Serif", "Microsoft Sans Serif", "System" })
            QFont::insertSubstitution(QLatin1String(name), sans);
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}
