// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gradient.h"

qint32 mulDiv(qint32 a, qint32 b, qint32 c)
{
    if (c == 0)
        return -1;
    const qint64 num = qint64(a) * qint64(b);
    const qint64 den = c;
    const bool negative = (num < 0) != (den < 0);
    const qint64 an = num < 0 ? -num : num;
    const qint64 ad = den < 0 ? -den : den;
    const qint64 q = (2 * an + ad) / (2 * ad); // half rounds up in magnitude
    return qint32(negative ? -q : q);
}

GradientBand gradientBand(int i, int height, const QColor &start, const QColor &end)
{
    const auto channel = [i](int from, int to) { return (from + mulDiv(i, to - from, 255)) & 0xFF; };
    GradientBand band;
    band.top = mulDiv(i, height, kGradientBands);
    band.bottom = mulDiv(i + 1, height, kGradientBands);
    band.color = QColor(channel(start.red(), end.red()), channel(start.green(), end.green()),
        channel(start.blue(), end.blue()));
    return band;
}
