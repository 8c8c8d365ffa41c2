// SPDX-License-Identifier: GPL-3.0-or-later
// A printing command on the default printer, with PDF files for when there is none.
#pragma once

#include "core/text/messages.h"

#include <functional>

namespace quillon {

class PrintDevice;

// Where the documents of a run go when they are saved as PDF.
enum class PdfFileSplit {
    OneFile, // all in the one file the player chose
    FilePerDocument, // name-1.pdf, name-2.pdf … beside it
};

// Runs print on the default printer. Where the system has no printer, asks the player
// whether to save the pages as PDF instead and where, runs print on PDF documents in
// memory, then puts them in their files (savePdfFiles). print is told whether it
// draws on PDF files. True when the pages went to the printer or to their files; false
// when the player declined or cancelled, or the files could not be written (he is told
// which and why). Throws QuillonError when no printer service can be opened at all.
bool printOrSaveAsPdf(const Texts &texts, PdfFileSplit split,
    const std::function<void(PrintDevice &device, bool toPdfFiles)> &print);

} // namespace quillon
