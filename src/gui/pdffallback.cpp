#include "gui/pdffallback.h"

#include "core/errors.h"
#include "core/platform.h"
#include "platform/pdffilesprintdevice.h"

#include <QCoreApplication>
#include <QDir>

using namespace quillon;

bool printToPdfInstead(const Texts &texts, bool onePerDocument, const std::function<void(PrintDevice &)> &print)
{
    Prompts *prompts = platform().prompts;
    if (!prompts)
        throw QuillonError(QCoreApplication::translate("quillon", "No printer"));
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
    PdfFilesPrintDevice files(path, onePerDocument);
    print(files);
    // The save dialog leaves the question of replacing files to the command.
    if (!files.existingFiles().isEmpty()
        && prompts->message(texts(Msg::OverwriteExportQuestion), texts(Msg::ExportFileExists),
               Prompts::Buttons::YesNo, Prompts::Icon::Question)
            != Prompts::Answer::Yes)
        return false;
    files.commit();
    prompts->message(QCoreApplication::translate("quillon", "The pages were saved in:\n%1")
                         .arg(QDir::toNativeSeparators(files.files().join(QLatin1Char('\n')))),
        QCoreApplication::translate("quillon", "Save as PDF"), Prompts::Buttons::Ok,
        Prompts::Icon::Information);
    return true;
}
