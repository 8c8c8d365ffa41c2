// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/printorpdf.h"

#include "core/errors.h"
#include "core/platform.h"
#include "core/tickets/pdffiles.h"

#include <QCoreApplication>

namespace quillon {

bool printOrSaveAsPdf(const Texts &texts, PdfFileSplit split,
    const std::function<void(PrintDevice &device, bool toPdfFiles)> &print)
{
    PlatformServices &services = platform();
    const std::unique_ptr<PrintDevice> printer
        = services.openDefaultPrinter ? services.openDefaultPrinter() : nullptr;
    if (!printer)
        throw QuillonError(noPrinterText());
    if (printer->installed()) {
        print(*printer, false);
        return true;
    }
    Prompts *prompts = services.prompts;
    if (!prompts || !services.openPdfFiles)
        throw QuillonError(noPrinterText());
    if (prompts->message(
            QCoreApplication::translate("quillon", "No printer is installed. Save the pages as PDF instead?"),
            QCoreApplication::translate("quillon", "No printer"), Prompts::Buttons::YesNo,
            Prompts::Icon::Question)
        != Prompts::Answer::Yes)
        return false;
    Prompts::FileDialog dialog;
    dialog.title = QCoreApplication::translate("quillon", "Save as PDF");
    dialog.filterName = QCoreApplication::translate("quillon", "PDF document (*.pdf)");
    dialog.filterPattern = QStringLiteral("*.pdf");
    dialog.defaultSuffix = QStringLiteral("pdf");
    const QString path = prompts->saveFileName(dialog);
    if (path.isEmpty())
        return false;
    const std::unique_ptr<PdfFilesDevice> files = services.openPdfFiles();
    if (!files)
        throw QuillonError(noPrinterText());
    print(*files, true);
    return savePdfFiles(texts, *prompts, path, split == PdfFileSplit::FilePerDocument, files->documents());
}

} // namespace quillon
