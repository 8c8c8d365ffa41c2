// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/listprint.h"

#include <QCoreApplication>

namespace quillon {

namespace {
const QString kFamily = QStringLiteral("Times New Roman");
const QString kTitle = QStringLiteral("LISTE DES PARIS"); // the same in every language
constexpr int kTitleTop = 50;
constexpr int kLeft = 10;
} // namespace

QString boardListLine(const BoardList &list, const Selection &selection, int i)
{
    const QByteArray &board = list.boards.at(i);
    QString line;
    line.reserve(list.boardSize * 3);
    for (int k = 1; k <= list.boardSize; ++k) {
        line += QString::number(numberAt(board, k, selection));
        line += QLatin1Char(' ');
    }
    return line;
}

void printBoardList(
    PrintDevice &device, const BoardList &list, const Selection &selection, const QString &titleMeasure)
{
    const QSize page = device.pageSize();
    device.beginDocument(QCoreApplication::translate("quillon", "Quillon: list of boards"));
    try {
        device.setFont(kFamily, 24, false);
        device.drawText((page.width() - device.textWidth(kTitle)) / 2, kTitleTop, kTitle);
        int y = kTitleTop + device.textHeight(titleMeasure);

        device.setFont(kFamily, 14, false);
        const int pitch = device.textHeight(QStringLiteral("WWWW")) + 10;
        y += 4 * pitch;
        for (int i = 1; i <= list.boardCount; ++i) {
            device.drawText(kLeft, y, boardListLine(list, selection, i));
            y += pitch;
            // A page break only when a line follows, so no blank sheet comes out last.
            if (y > page.height() - 3 * pitch && i < list.boardCount) {
                device.newPage();
                y = 4 * pitch;
            }
        }
        device.endDocument();
    } catch (...) {
        device.abortDocument();
        throw;
    }
}

} // namespace quillon
