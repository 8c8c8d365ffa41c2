#include "gui/pdffallback.h"

#include "core/errors.h"
#include "core/platform.h"
#include "platform/pdffilesprintdevice.h"

#include <QDir>

using namespace quillon;

bool printToPdfInstead(const Texts &texts, bool onePerDocument, const std::function<void(PrintDevice &)> &print)
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
    PdfFilesPrintDevice files(path, onePerDocument);
    print(files);
    // The save dialog leaves the question of replacing files to the command.
    if (!files.existingFiles().isEmpty()
        && prompts->message(texts(Msg::OverwriteExportQuestion), texts(Msg::ExportFileExists),
               Prompts::Buttons::YesNo, Prompts::Icon::Question)
            != Prompts::Answer::Yes)
        return false;
    files.commit();
    prompts->message(texts(AddedText::PdfSaved).arg(QDir::toNativeSeparators(files.files().join(QLatin1Char('\n')))),
        texts(AddedText::SavePdfTitle), Prompts::Buttons::Ok, Prompts::Icon::Information);
    return true;
}
