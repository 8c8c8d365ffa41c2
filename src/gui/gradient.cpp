// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gradient.h"

namespace quillon {

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

Rgb rgbFromColorRef(quint32 value)
{
    return {int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)};
}

GradientBand gradientBand(int i, int height, Rgb start, Rgb end)
{
    GradientBand band;
    band.top = mulDiv(i, height, kGradientBands);
    band.bottom = mulDiv(i + 1, height, kGradientBands);
    band.color = {(start.r + mulDiv(i, end.r - start.r, 255)) & 0xFF,
                  (start.g + mulDiv(i, end.g - start.g, 255)) & 0xFF,
                  (start.b + mulDiv(i, end.b - start.b, 255)) & 0xFF};
    return band;
}

} // namespace quillon
