// Printing without a printer: the pages a command would print go to PDF files.
#pragma once

#include "core/text/messages.h"

#include <functional>

namespace quillon {
class PrintDevice;
}

// Asks the player whether to save the pages as PDF instead and where (the shared
// save dialog), runs print on PDF files there, one file a document when
// onePerDocument (name-1.pdf, name-2.pdf …) or the one file chosen, and says where
// they went. Files already there are replaced only when the player says so, once all
// the new ones are written. Returns false when the player declined or cancelled.
bool printToPdfInstead(const quillon::Texts &texts, bool onePerDocument,
    const std::function<void(quillon::PrintDevice &)> &print);
