// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(quillon::Prompts::Icon icon)
{
    using Icon = quillon::Prompts::Icon;
    switch (icon) {
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// One file dialog set up as the commands ask: title, a single filter, default suffix,
// no read-only box, the folder (and for opening the file) must exist.
QString runFileDialog(const quillon::Prompts::FileDialog &setup, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), setup.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(setup.filterName);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // The commands ask about overwriting themselves.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!setup.initialPath.isEmpty())
        dialog.selectFile(setup.initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

quillon::Prompts::Answer QtPrompts::message(
    const QString &text, const QString &caption, Buttons buttons, Icon icon)
{
    QMessageBox box(toQt(icon), caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Closing the box counts as the refusing answer.
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtPrompts::saveFileName(const FileDialog &dialog)
{
    return runFileDialog(dialog, QFileDialog::AcceptSave);
}

QString QtPrompts::openFileName(const FileDialog &dialog)
{
    return runFileDialog(dialog, QFileDialog::AcceptOpen);
}

void QtPrompts::beep()
{
    QApplication::beep();
}
