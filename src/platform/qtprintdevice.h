// SPDX-License-Identifier: GPL-3.0-or-later
// The print device on Qt's QPrinter: the system's default printer, or a PDF file.
//
// Coordinates are device pixels with the origin at the corner of the printable area:
// the page margins are set to the printer's minimum margins, so the painter's origin
// is that corner and printingOffset() is the distance from the sheet's corner to it.
#pragma once

#include "core/platform.h"

#include <QFont>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <memory>

class QPrinter;

class QtPrintDevice : public quillon::PrintDevice {
public:
    // The system's default printer (CUPS on Linux), with its own page size and
    // resolution. When there is none, beginDocument() throws.
    QtPrintDevice();
    // A PDF file at a fixed resolution; marginsMm play the printer's unprintable
    // border, so that a PDF stands in for a printer with such margins.
    QtPrintDevice(const QString &pdfPath, int dpi, const QPageSize &pageSize = QPageSize(QPageSize::A4),
        const QMarginsF &marginsMm = {});
    ~QtPrintDevice() override;

    QtPrintDevice(const QtPrintDevice &) = delete;
    QtPrintDevice &operator=(const QtPrintDevice &) = delete;

    QSize pageSize() override;
    void beginDocument(const QString &name) override;
    void endDocument() override;
    void abortDocument() override;
    void newPage() override;
    void setFont(const QString &family, int pointSize, bool bold) override;
    void drawText(int x, int y, const QString &text) override;
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    int dpiX() override;
    int dpiY() override;
    QPoint printingOffset() override;
    bool ready(QString *why) override;
    bool lastDocumentTaken(QString *why) override;
    bool installed() override { return m_hasPrinter; }

    // The name of the printer in use (empty for a PDF file or when there is none).
    QString printerName() const;

    // Drawing shared with the other devices that paint through QPainter: text placed
    // by the top of its character cells, and a rectangle filled as a printer fills it.
    static void drawTextAtCellTop(
        QPainter &painter, const QFontMetrics &metrics, int x, int y, const QString &text);
    static void fillPrinterRect(QPainter &painter, int x1, int y1, int x2, int y2);

private:
    QFontMetrics metrics() const;
    // Whether documents go to a print queue through CUPS rather than to a file.
    bool printsThroughCups() const;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    bool m_hasPrinter = false;
    // What the print server answered when the last document was handed to it; empty
    // when it took it or could not be asked.
    QString m_lastRefusal;
};
