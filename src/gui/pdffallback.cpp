#include "gui/pdffallback.h"

#include "core/errors.h"
#include "core/platform.h"
#include "core/tickets/pdffiles.h"
#include "platform/pdffilesprintdevice.h"

using namespace quillon;

bool printToPdfInstead(
    const Texts &texts, bool onePerDocument, const std::function<void(PrintDevice &)> &print)
{
    Prompts *prompts = platform().prompts;
    if (!prompts)
        throw QuillonError(texts(AddedText::NoPrinterCaption));
    if (prompts->message(texts(AddedText::NoPrinterSavePdf), texts(AddedText::NoPrinterCaption),
            Prompts::Buttons::YesNo, Prompts::Icon::Question)
        != Prompts::Answer::Yes)
        return false;
    Prompts::FileDialog dialog;
    dialog.title = texts(AddedText::SavePdfTitle);
    dialog.filterName = texts(AddedText::PdfFilterName);
    dialog.filterPattern = QStringLiteral("*.pdf");
    dialog.defaultSuffix = QStringLiteral("pdf");
    const QString path = prompts->saveFileName(dialog);
    if (path.isEmpty())
        return false;
    PdfFilesPrintDevice files;
    print(files);
    return savePdfFiles(texts, *prompts, path, onePerDocument, files.documents());
}
