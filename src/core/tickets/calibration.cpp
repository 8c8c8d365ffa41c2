// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tickets/calibration.h"

#include "core/errors.h"
#include "core/platform.h"
#include "core/tickets/slipgrid.h"
#include "core/tickets/ticketprint.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// Draws the sheet's lines with the same conversion as the ticket marks.
class SheetPainter {
public:
    SheetPainter(PrintDevice &device, const PrintOffsets &offsets)
        : m_device(device)
        , m_offsets(offsets)
        // A tenth of a millimetre, at least one dot.
        , m_lineX(std::max(1, int(std::lround(0.01 / 2.54 * device.dpiX()))))
        , m_lineY(std::max(1, int(std::lround(0.01 / 2.54 * device.dpiY()))))
    {
    }

    int x(double cm) { return cmToDevice(m_device, m_offsets, Axis::Horizontal, cm); }
    int y(double cm) { return cmToDevice(m_device, m_offsets, Axis::Vertical, cm); }

    // Lines in dots, centred on row y or column x.
    void horizontal(int x1, int x2, int y)
    {
        m_device.fillRect(x1, y - m_lineY / 2, x2 + 1, y - m_lineY / 2 + m_lineY);
    }
    void vertical(int x, int y1, int y2)
    {
        m_device.fillRect(x - m_lineX / 2, y1, x - m_lineX / 2 + m_lineX, y2 + 1);
    }

    void outline(const QRectF &cm)
    {
        const int left = x(cm.left()), right = x(cm.right()), top = y(cm.top()), bottom = y(cm.bottom());
        horizontal(left, right, top);
        horizontal(left, right, bottom);
        vertical(left, top, bottom);
        vertical(right, top, bottom);
    }

    void cross(QPointF cm)
    {
        const int cx = x(cm.x()), cy = y(cm.y());
        horizontal(x(cm.x() - kCrossArmCm), x(cm.x() + kCrossArmCm), cy);
        vertical(cx, y(cm.y() - kCrossArmCm), y(cm.y() + kCrossArmCm));
    }

    // Ticks every millimetre along the top edge of the printable area and down its
    // left edge, longer every 5 mm and every centimetre. Each centimetre's number
    // stands just before its tick, clear of the short ticks, so that the rulers keep
    // within 3 mm of the edges, away from the slips' first boxes.
    void rulers()
    {
        const QSize page = m_device.pageSize();
        const int mmDown = std::max(1, int(std::lround(0.1 / 2.54 * m_device.dpiY())));
        const int mmAcross = std::max(1, int(std::lround(0.1 / 2.54 * m_device.dpiX())));
        for (int k = 0;; ++k) {
            const int at = x(k / 10.0);
            if (at >= page.width())
                break;
            if (at < 0)
                continue;
            vertical(at, 0, tickLength(k, mmDown));
            if (k % 10 == 0 && k > 0) {
                const QString label = QString::number(k / 10);
                m_device.drawText(at - m_lineX * 2 - m_device.textWidth(label), mmDown * 11 / 10, label);
            }
        }
        for (int k = 0;; ++k) {
            const int at = y(k / 10.0);
            if (at >= page.height())
                break;
            if (at < 0)
                continue;
            horizontal(0, tickLength(k, mmAcross), at);
            if (k % 10 == 0 && k > 0) {
                const QString label = QString::number(k / 10);
                m_device.drawText(mmAcross * 11 / 10, at - m_lineY * 2 - m_device.textHeight(label), label);
            }
        }
    }

private:
    static int tickLength(int k, int mm) { return k % 10 == 0 ? 2 * mm : k % 5 == 0 ? mm * 3 / 2 : mm; }

    PrintDevice &m_device;
    const PrintOffsets &m_offsets;
    int m_lineX;
    int m_lineY;
};

void drawSheet(PrintDevice &device, int t, const PrintOffsets &offsets, const QString &caption)
{
    SheetPainter sheet(device, offsets);
    device.setFont(QStringLiteral("Helvetica"), 5, false);
    sheet.rulers();
    const QList<SlipCell> cells = slipCells(t);
    for (const SlipCell &cell : cells)
        sheet.outline(cell.cm);
    for (const SlipCell &cell : cells) {
        if (cell.number == 1 || cell.number == ticketType(t).highestNumber)
            sheet.cross(cell.cm.topLeft());
    }
    device.setFont(QStringLiteral("Helvetica"), 10, false);
    const QSizeF extent = slipExtentCm(t);
    device.drawText(sheet.x(1.5), sheet.y(extent.height()), caption);
}

} // namespace

QString calibrationCaption(int t, const PrintOffsets &offsets)
{
    return QCoreApplication::translate("quillon", "%1: horizontal adjustment %2 mm, vertical %3 mm")
        .arg(QString::fromLatin1(ticketType(t).name).trimmed())
        .arg(offsets.horizontalMm)
        .arg(offsets.verticalMm);
}

void printCalibrationSheet(PrintDevice &device, int t, const PrintOffsets &offsets, const QString &caption)
{
    ticketType(t); // an unknown type throws before anything is begun
    QString why;
    if (!device.ready(&why))
        throw QuillonError(why);
    device.beginDocument(QCoreApplication::translate("quillon", "Quillon: calibration sheet"));
    try {
        drawSheet(device, t, offsets, caption);
    } catch (...) {
        try {
            device.abortDocument();
        } catch (...) {
            // The device already failed; the first error is the one to show.
        }
        throw;
    }
    device.endDocument();
    if (!device.lastDocumentTaken(&why))
        throw QuillonError(why);
}

} // namespace quillon
