// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the window layouts.
#pragma once

#include <QFont>

// A font of the window layouts, by family and pixel height. The layouts were measured
// in MS Sans Serif, System and Times New Roman; where these are not installed, the
// nearest installed family stands in.
QFont designFont(const QString &family, int pixelHeight, bool bold = false);
