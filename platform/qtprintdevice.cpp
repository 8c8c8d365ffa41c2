#include "platform/qtprintdevice.h"

#include "app/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace {

// Margins of the printable area: the page rectangle starts where the printer can
// begin to print, so drawing at (0, 0) lands in its corner.
void useMinimumMargins(QPrinter &printer)
{
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

} // namespace

QtPrintDevice::QtPrintDevice()
    : m_font(QStringLiteral("Times New Roman"), 12)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    m_hasPrinter = !info.isNull();
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (m_hasPrinter) {
        // Qt starts from a page size of its own choosing; the printer's default wins.
        const QPageSize size = info.defaultPageSize();
        if (size.isValid())
            m_printer->setPageSize(size);
        useMinimumMargins(*m_printer);
    }
}

QtPrintDevice::QtPrintDevice(const QString &pdfPath, int dpi, const QPageSize &pageSize, const QMarginsF &marginsMm)
    : m_font(QStringLiteral("Times New Roman"), 12)
{
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfPath);
    m_printer->setResolution(dpi);
    m_printer->setFullPage(false);
    m_printer->setPageSize(pageSize);
    m_printer->setPageMargins(marginsMm, QPageLayout::Millimeter);
    m_hasPrinter = true;
}

QtPrintDevice::~QtPrintDevice()
{
    // A document still open here was cut short: drop it rather than print half of it.
    if (m_painter.isActive())
        abortDocument();
}

QString QtPrintDevice::printerName() const
{
    return m_printer->outputFormat() == QPrinter::NativeFormat ? m_printer->printerName() : QString();
}

QSize QtPrintDevice::pageSize()
{
    const QRectF page = m_printer->pageRect(QPrinter::DevicePixel);
    return {int(std::floor(page.width())), int(std::floor(page.height()))};
}

void QtPrintDevice::beginDocument()
{
    if (!m_hasPrinter)
        throw quillon::QuillonError(QCoreApplication::translate("QtPrintDevice", "No printer is installed."));
    if (!m_painter.begin(m_printer.get())) {
        const QString name = printerName();
        throw quillon::QuillonError(
            name.isEmpty() ? QCoreApplication::translate("QtPrintDevice", "The document cannot be printed.")
                           : QCoreApplication::translate("QtPrintDevice", "The printer \"%1\" is not ready.").arg(name));
    }
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
}

void QtPrintDevice::endDocument()
{
    if (m_painter.isActive() && !m_painter.end())
        throw quillon::QuillonError(QCoreApplication::translate("QtPrintDevice", "The document could not be finished."));
}

void QtPrintDevice::abortDocument()
{
    if (!m_painter.isActive())
        return;
    const bool aborted = m_printer->abort();
    m_painter.end();
    // The PDF writer cannot abort; its half-written file goes instead.
    if (!aborted && m_printer->outputFormat() == QPrinter::PdfFormat)
        QFile::remove(m_printer->outputFileName());
}

void QtPrintDevice::newPage()
{
    m_printer->newPage();
}

void QtPrintDevice::setFont(const QString &family, int pointSize, bool bold)
{
    m_font = QFont(family, pointSize);
    m_font.setBold(bold);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

QFontMetrics QtPrintDevice::metrics() const
{
    return QFontMetrics(m_font, m_printer.get());
}

void QtPrintDevice::drawText(int x, int y, const QString &text)
{
    // QPainter places text on its baseline; the caller gives the cell's top.
    m_painter.drawText(x, y + metrics().ascent(), text);
}

int QtPrintDevice::textWidth(const QString &text)
{
    return metrics().horizontalAdvance(text);
}

int QtPrintDevice::textHeight(const QString &)
{
    return metrics().height();
}

// The rectangle covers x1 … x2 - 1 and y1 … y2 - 1, as a printer's filled rectangle does.
void QtPrintDevice::fillRect(int x1, int y1, int x2, int y2)
{
    const QRect rect = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
                           .adjusted(0, 0, -1, -1);
    m_painter.fillRect(rect, Qt::black);
}

int QtPrintDevice::dpiX()
{
    return m_printer->resolution();
}

int QtPrintDevice::dpiY()
{
    return m_printer->resolution();
}

QPoint QtPrintDevice::printingOffset()
{
    const QRectF page = m_printer->pageRect(QPrinter::DevicePixel);
    return {int(std::lround(page.left())), int(std::lround(page.top()))};
}
