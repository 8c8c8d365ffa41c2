// Texts the program gained after the message catalogue was fixed. They have no line
// in the translation file, whose numbering they must not disturb, so they always come
// from here: in French, English and Croatian, and in English for any other language.
#pragma once

#include "core/text/language.h"

#include <QString>

namespace quillon {

enum class AddedText {
    LanguageLabelAllLanguages, // the language choice's label where the catalogue has none
    FrenchName,                // each language by its own name
    EnglishName,
    CroatianName,
    // The ticket dialog's preview and calibration sheet
    PreviewButton,
    CalibrationButton,
    PreviewTitle,
    PreviewTicketOf,      // %1 = ticket shown, %2 = ticket count
    PreviewPrevious,
    PreviewNext,
    PreviewFit,
    PreviewActualSize,
    PreviewClose,
    PreviewWithoutPrinter, // %1 = the resolution the preview assumes
    CalibrationCaption,    // %1 = ticket name, %2 = horizontal, %3 = vertical offset in mm
    // Saving as PDF when no printer is installed
    NoPrinterSavePdf,
    NoPrinterCaption,
    SavePdfTitle,
    PdfFilterName,
    PdfSaved,              // %1 = the files written, one a line
};

QString addedText(AddedText text, Language language);

} // namespace quillon
