// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pdffilesprintdevice.h"

#include "core/errors.h"
#include "platform/qtprintdevice.h"

#include <QCoreApplication>
#include <QPageLayout>

PdfFilesPrintDevice::PdfFilesPrintDevice()
    : m_font(QStringLiteral("Times New Roman"), 12)
{
    openNext();
}

PdfFilesPrintDevice::~PdfFilesPrintDevice()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PdfFilesPrintDevice::openNext()
{
    // The writer goes first: it still refers to the buffer.
    m_writer.reset();
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(m_buffer.get());
    m_writer->setCreator(QCoreApplication::applicationName());
    m_writer->setResolution(kDpi);
    m_writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
}

QSize PdfFilesPrintDevice::pageSize()
{
    return m_writer->pageLayout().paintRectPixels(kDpi).size();
}

QPoint PdfFilesPrintDevice::printingOffset()
{
    return m_writer->pageLayout().paintRectPixels(kDpi).topLeft();
}

void PdfFilesPrintDevice::beginDocument(const QString &name)
{
    // The job's name is the file's title.
    m_writer->setTitle(name);
    if (!m_painter.begin(m_writer.get()))
        throw quillon::QuillonError(
            QCoreApplication::translate("quillon", "The document cannot be printed."));
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
}

void PdfFilesPrintDevice::endDocument()
{
    if (!m_painter.isActive())
        return;
    m_painter.end();
    m_documents.append(m_buffer->data());
    openNext();
}

void PdfFilesPrintDevice::abortDocument()
{
    if (!m_painter.isActive())
        return;
    m_painter.end();
    openNext();
}

void PdfFilesPrintDevice::setFont(const QString &family, int pointSize, bool bold)
{
    m_font = QFont(family, pointSize);
    m_font.setBold(bold);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void PdfFilesPrintDevice::drawText(int x, int y, const QString &text)
{
    QtPrintDevice::drawTextAtCellTop(m_painter, metrics(), x, y, text);
}

void PdfFilesPrintDevice::fillRect(int x1, int y1, int x2, int y2)
{
    QtPrintDevice::fillPrinterRect(m_painter, x1, y1, x2, y2);
}
