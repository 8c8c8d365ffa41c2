// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry and colours of the vertical gradient behind every window: 256 bands.
#pragma once

#include <QtGlobal>

namespace quillon {

// a·b/c in 64 bits, rounded to the nearest integer, halves away from zero.
qint32 mulDiv(qint32 a, qint32 b, qint32 c);

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// A colour stored as 0x00BBGGRR.
Rgb rgbFromColorRef(quint32 value);

struct GradientBand {
    int top;    // inclusive
    int bottom; // exclusive
    Rgb color;
};

constexpr int kGradientBands = 256;
constexpr quint32 kWindowStartColor = 14680049; // pale green (241, 255, 223)
constexpr quint32 kWindowEndColor = 11271915;   // pale yellow-green (235, 254, 171)

// Band i (0 … 255) of a gradient of height h.
GradientBand gradientBand(int i, int height, Rgb start, Rgb end);

} // namespace quillon
