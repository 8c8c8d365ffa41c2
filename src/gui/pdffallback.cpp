// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pdffallback.h"

#include "core/errors.h"
#include "core/platform.h"
#include "core/tickets/pdffiles.h"
#include "platform/pdffilesprintdevice.h"

#include <QCoreApplication>

using namespace quillon;

bool printToPdfInstead(
    const Texts &texts, bool onePerDocument, const std::function<void(PrintDevice &)> &print)
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
    PdfFilesPrintDevice files;
    print(files);
    return savePdfFiles(texts, *prompts, path, onePerDocument, files.documents());
}
