// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analysis/analysisprint.h"

#include <QCoreApplication>

namespace quillon {

namespace {

const QString kFamily = QStringLiteral("Times New Roman");

// The line cut at spaces into pieces no wider than width; a word wider than the page
// stands alone on its line.
QStringList wrapped(PrintDevice &device, const QString &line, int width)
{
    QStringList pieces;
    QString current;
    for (const QString &word : line.split(QLatin1Char(' '))) {
        const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && device.textWidth(longer) > width) {
            pieces << current;
            current = word;
        } else {
            current = longer;
        }
    }
    pieces << current;
    return pieces;
}

} // namespace

void printTextPages(PrintDevice &device, const QString &title, const QStringList &lines)
{
    const QSize page = device.pageSize();
    const int margin = device.dpiX() / 2;
    device.beginDocument(QCoreApplication::translate("quillon", "Quillon: %1").arg(title));
    try {
        device.setFont(kFamily, 18, true);
        int y = margin;
        device.drawText(margin, y, title);
        y += device.textHeight(title) * 2;
        device.setFont(kFamily, 11, false);
        const int pitch = device.textHeight(QStringLiteral("Wg")) + 4;
        QStringList pieces;
        for (const QString &line : lines)
            pieces << wrapped(device, line, page.width() - 2 * margin);
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            // A page break only when a line follows, so no blank sheet comes out last.
            if (y + pitch > page.height() - margin) {
                device.newPage();
                y = margin;
            }
            device.drawText(margin, y, pieces.at(i));
            y += pitch;
        }
        device.endDocument();
    } catch (...) {
        device.abortDocument();
        throw;
    }
}

} // namespace quillon
