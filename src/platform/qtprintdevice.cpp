// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtprintdevice.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLibrary>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <optional>
#include <type_traits>

#ifdef QUILLON_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace {

enum class QueueState { Gone, Stopped, Refusing, Ready };

// The state of a printer queue, asked afresh: it may have been removed, stopped or
// told to refuse jobs since the last document.
QueueState queueStateFromQt(const QString &printerName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return QueueState::Gone;
    return info.state() == QPrinter::Error ? QueueState::Stopped : QueueState::Ready;
}

#ifdef QUILLON_HAVE_CUPS
// The few CUPS calls the device makes. libcups is opened when a document is first
// printed rather than linked: linking it would load it, and the twenty libraries it
// needs (Kerberos, GnuTLS, Avahi…), at every start of the program, a tenth of the
// time to its first window. Qt's CUPS plug-in opens the same library once printing
// begins, so the two share its state (cupsLastError is the answer to Qt's request).
struct CupsCalls {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
};

// Null when libcups cannot be opened: the device then asks Qt alone.
const CupsCalls *cups()
{
    static const std::optional<CupsCalls> calls = []() -> std::optional<CupsCalls> {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return std::nullopt;
        CupsCalls c;
        const auto resolve = [&library](auto &function, const char *symbol) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(symbol));
            return function != nullptr;
        };
        if (!(resolve(c.getNamedDest, "cupsGetNamedDest") && resolve(c.getOption, "cupsGetOption")
                && resolve(c.freeDests, "cupsFreeDests") && resolve(c.lastError, "cupsLastError")
                && resolve(c.lastErrorString, "cupsLastErrorString")))
            return std::nullopt;
        return c;
    }();
    return calls ? &*calls : nullptr;
}

// One request to CUPS answers it all. Qt cannot tell whether a queue accepts jobs,
// and QPrinterInfo would fetch and parse the printer's PPD file each time, which
// costs some 15 ms a ticket against 2 ms.
QueueState queueState(const QString &printerName)
{
    const CupsCalls *calls = cups();
    if (!calls)
        return queueStateFromQt(printerName);
    // Qt names a CUPS instance "queue/instance".
    const QByteArray queue = printerName.section(QLatin1Char('/'), 0, 0).toUtf8();
    const QByteArray instance = printerName.section(QLatin1Char('/'), 1).toUtf8();
    cups_dest_t *dest = calls->getNamedDest(
        CUPS_HTTP_DEFAULT, queue.constData(), instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return QueueState::Gone;
    const auto option = [calls, dest](const char *name) {
        return QByteArray(calls->getOption(name, dest->num_options, dest->options));
    };
    QueueState state = QueueState::Ready;
    if (option("printer-state") == "5") // IPP's "stopped"
        state = QueueState::Stopped;
    else if (option("printer-is-accepting-jobs") == "false")
        state = QueueState::Refusing;
    calls->freeDests(1, dest);
    return state;
}
#else
QueueState queueState(const QString &printerName)
{
    return queueStateFromQt(printerName);
}
#endif

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

QtPrintDevice::QtPrintDevice(
    const QString &pdfPath, int dpi, const QPageSize &pageSize, const QMarginsF &marginsMm)
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
    return { int(std::floor(page.width())), int(std::floor(page.height())) };
}

void QtPrintDevice::beginDocument(const QString &name)
{
    if (!m_hasPrinter)
        throw quillon::QuillonError(QCoreApplication::translate("quillon", "No printer is installed."));
    // The job's title in the print queue, and the title of a PDF file.
    m_printer->setDocName(name);
    if (!m_painter.begin(m_printer.get())) {
        const QString name = printerName();
        throw quillon::QuillonError(name.isEmpty()
                ? QCoreApplication::translate("quillon", "The document cannot be printed.")
                : QCoreApplication::translate("quillon", "The printer \"%1\" is not ready.").arg(name));
    }
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
}

void QtPrintDevice::endDocument()
{
    m_lastRefusal.clear();
    if (!m_painter.isActive())
        return;
    if (!m_painter.end())
        throw quillon::QuillonError(
            QCoreApplication::translate("quillon", "The document could not be finished."));
#ifdef QUILLON_HAVE_CUPS
    // Ending the painter hands the document to CUPS (cupsPrintFile), and Qt drops
    // the answer. CUPS keeps the status of the last request made on this thread,
    // which is that one.
    const CupsCalls *calls = printsThroughCups() ? cups() : nullptr;
    if (calls && calls->lastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        m_lastRefusal = QString::fromUtf8(calls->lastErrorString());
        if (!m_lastRefusal.endsWith(QLatin1Char('.')))
            m_lastRefusal += QLatin1Char('.');
    }
#endif
}

bool QtPrintDevice::printsThroughCups() const
{
    return m_hasPrinter && m_printer->outputFormat() == QPrinter::NativeFormat
        && m_printer->outputFileName().isEmpty();
}

bool QtPrintDevice::ready(QString *why)
{
    if (!m_hasPrinter) {
        *why = QCoreApplication::translate("quillon", "No printer is installed.");
        return false;
    }
    if (m_printer->outputFormat() != QPrinter::NativeFormat)
        return true;
    const QString name = m_printer->printerName();
    switch (queueState(name)) {
    case QueueState::Gone:
        *why = QCoreApplication::translate("quillon", "The printer \"%1\" is no longer available.").arg(name);
        return false;
    case QueueState::Stopped:
        *why = QCoreApplication::translate("quillon", "The printer \"%1\" is stopped.").arg(name);
        return false;
    case QueueState::Refusing:
        *why = QCoreApplication::translate("quillon", "The printer \"%1\" does not accept jobs.").arg(name);
        return false;
    case QueueState::Ready:
        break;
    }
    return true;
}

bool QtPrintDevice::lastDocumentTaken(QString *why)
{
    if (m_lastRefusal.isEmpty())
        return true;
    *why = QCoreApplication::translate("quillon", "The printer \"%1\" did not take the document: %2")
               .arg(m_printer->printerName(), m_lastRefusal);
    return false;
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

void QtPrintDevice::drawTextAtCellTop(
    QPainter &painter, const QFontMetrics &metrics, int x, int y, const QString &text)
{
    // QPainter places text on its baseline; the caller gives the cell's top. In
    // floating point, so that a cell at the very end of the int range stays there.
    painter.drawText(QPointF(x, double(y) + metrics.ascent()), text);
}

void QtPrintDevice::drawText(int x, int y, const QString &text)
{
    drawTextAtCellTop(m_painter, metrics(), x, y, text);
}

int QtPrintDevice::textWidth(const QString &text)
{
    return metrics().horizontalAdvance(text);
}

int QtPrintDevice::textHeight(const QString &)
{
    return metrics().height();
}

// The rectangle covers x1 … x2 - 1 and y1 … y2 - 1, as a printer's filled rectangle
// does. Its size is taken in floating point: corners at the ends of the int range
// have a width that int cannot hold.
void QtPrintDevice::fillPrinterRect(QPainter &painter, int x1, int y1, int x2, int y2)
{
    const QRectF rect(
        QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
    if (!rect.isEmpty())
        painter.fillRect(rect, Qt::black);
}

void QtPrintDevice::fillRect(int x1, int y1, int x2, int y2)
{
    fillPrinterRect(m_painter, x1, y1, x2, y2);
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
    return { int(std::lround(page.left())), int(std::lround(page.top())) };
}
