// SPDX-License-Identifier: GPL-3.0-or-later
// The printed figures of a wheel: a title, then the lines as given, each wrapped at
// spaces to the page's width, page after page.
#pragma once

#include "core/platform.h"

#include <QStringList>

namespace quillon {

// Prints title and lines on the device as one document. When anything fails after the
// document began, the document is dropped and the error passed on.
void printTextPages(PrintDevice &device, const QString &title, const QStringList &lines);

} // namespace quillon
