// SPDX-License-Identifier: GPL-3.0-or-later
// Printing without a printer: the pages a command would print go to PDF files.
#pragma once

#include "core/text/messages.h"

#include <functional>

namespace quillon {
class PrintDevice;
}

// Asks the player whether to save the pages as PDF instead and where (the shared
// save dialog), runs print on PDF documents in memory, then puts them in their files
// (savePdfFiles): one a document when onePerDocument (name-1.pdf, name-2.pdf …),
// otherwise the one file chosen. Returns false when the player declined or cancelled,
// or when the files could not be written (the player is told which and why).
bool printToPdfInstead(const quillon::Texts &texts, bool onePerDocument,
    const std::function<void(quillon::PrintDevice &)> &print);
