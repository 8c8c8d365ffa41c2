// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry and colours of the vertical gradient behind every window: 256 bands.
#pragma once

#include <QColor>

// a·b/c in 64 bits, rounded to the nearest integer, halves away from zero.
qint32 mulDiv(qint32 a, qint32 b, qint32 c);

struct GradientBand {
    int top; // inclusive
    int bottom; // exclusive
    QColor color;
};

constexpr int kGradientBands = 256;
inline const QColor kWindowStartColor(241, 255, 223); // pale green
inline const QColor kWindowEndColor(235, 254, 171); // pale yellow-green

// Band i (0 … 255) of a gradient of height h.
GradientBand gradientBand(int i, int height, const QColor &start, const QColor &end);
