// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictureprintdevice.h"

#include "platform/qtprintdevice.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

// A font whose size in pixels of the default resolution equals pointSize points at
// dpi dots per inch: glyph outlines and metrics taken from it are in printer dots.
QFont fontInDots(const QString &family, int pointSize, bool bold, int dpi)
{
    QFont font(family);
    font.setPointSizeF(pointSize * double(dpi) / 72.0 * 72.0 / QFontMetricsF(font).fontDpi());
    font.setBold(bold);
    return font;
}

} // namespace

PicturePrintDevice::PicturePrintDevice(int dpi, QSize page, QPoint printingOffset)
    : m_dpi(dpi)
    , m_page(page)
    , m_offset(printingOffset)
    , m_font(fontInDots(QStringLiteral("Times New Roman"), 12, false, dpi))
{
}

std::unique_ptr<PicturePrintDevice> PicturePrintDevice::likeDefaultPrinter()
{
    // The printing device set up as for printing gives the figures.
    QtPrintDevice printer;
    if (!printer.installed()) {
        constexpr int dpi = 300;
        return std::make_unique<PicturePrintDevice>(dpi, QPageSize(QPageSize::A4).sizePixels(dpi), QPoint());
    }
    auto device
        = std::make_unique<PicturePrintDevice>(printer.dpiX(), printer.pageSize(), printer.printingOffset());
    device->m_fromPrinter = true;
    return device;
}

QList<QList<QByteArray>> PicturePrintDevice::pagePictures() const
{
    QList<QList<QByteArray>> documents;
    for (const QList<QPicture> &pages : m_documents) {
        QList<QByteArray> pictures;
        for (const QPicture &page : pages)
            pictures.append(QByteArray(page.data(), page.size()));
        documents.append(pictures);
    }
    return documents;
}

std::unique_ptr<quillon::PagePictureDevice> PicturePrintDevice::blank() const
{
    auto device = std::make_unique<PicturePrintDevice>(m_dpi, m_page, m_offset);
    device->m_fromPrinter = m_fromPrinter;
    return device;
}

void PicturePrintDevice::beginDocument(const QString &)
{
    m_pages.clear();
    m_picture = QPicture();
    m_painter.begin(&m_picture);
}

void PicturePrintDevice::finishPage()
{
    m_painter.end();
    m_pages.append(m_picture);
    m_picture = QPicture();
}

void PicturePrintDevice::endDocument()
{
    if (!m_painter.isActive())
        return;
    finishPage();
    m_documents.append(m_pages);
    m_pages.clear();
}

void PicturePrintDevice::abortDocument()
{
    if (m_painter.isActive())
        m_painter.end();
    m_pages.clear();
}

void PicturePrintDevice::newPage()
{
    finishPage();
    m_painter.begin(&m_picture);
}

void PicturePrintDevice::setFont(const QString &family, int pointSize, bool bold)
{
    m_font = fontInDots(family, pointSize, bold, m_dpi);
}

void PicturePrintDevice::drawText(int x, int y, const QString &text)
{
    // The caller gives the top of the character cells; outlines start on the baseline.
    QPainterPath path;
    // Rounded as the printer's metrics round it.
    path.addText(QPointF(x, y + std::lround(QFontMetricsF(m_font).ascent())), m_font, text);
    m_painter.fillPath(path, Qt::black);
}

int PicturePrintDevice::textWidth(const QString &text)
{
    return int(std::lround(QFontMetricsF(m_font).horizontalAdvance(text)));
}

int PicturePrintDevice::textHeight(const QString &)
{
    return int(std::lround(QFontMetricsF(m_font).height()));
}

void PicturePrintDevice::fillRect(int x1, int y1, int x2, int y2)
{
    const QRectF rect(
        QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
    if (!rect.isEmpty())
        m_painter.fillRect(rect, Qt::black);
}
