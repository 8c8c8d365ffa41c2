// SPDX-License-Identifier: GPL-3.0-or-later
// A print device for when there is no printer: each document is drawn on a PDF file
// held in memory, one a document, for savePdfFiles() to put on disk. Nothing reaches
// the disk while the run draws, so a run that fails or that the player declines
// leaves every file as it was, and the disk's failures are all seen in one place.
#pragma once

#include "core/platform.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QList>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

class PdfFilesPrintDevice : public quillon::PdfFilesDevice {
public:
    // Files at 300 dots per inch on A4 sheets printable to their edges.
    static constexpr int kDpi = 300;

    PdfFilesPrintDevice();
    ~PdfFilesPrintDevice() override;

    PdfFilesPrintDevice(const PdfFilesPrintDevice &) = delete;
    PdfFilesPrintDevice &operator=(const PdfFilesPrintDevice &) = delete;

    // The documents ended so far, each one a whole PDF file.
    const QList<QByteArray> &documents() const override { return m_documents; }

    QSize pageSize() override;
    void beginDocument(const QString &name) override;
    void endDocument() override;
    void abortDocument() override;
    void newPage() override { m_writer->newPage(); }
    void setFont(const QString &family, int pointSize, bool bold) override;
    void drawText(int x, int y, const QString &text) override;
    int textWidth(const QString &text) override { return metrics().horizontalAdvance(text); }
    int textHeight(const QString &) override { return metrics().height(); }
    void fillRect(int x1, int y1, int x2, int y2) override;
    int dpiX() override { return kDpi; }
    int dpiY() override { return kDpi; }
    QPoint printingOffset() override;
    bool ready(QString *) override { return true; }
    bool lastDocumentTaken(QString *) override { return true; }

private:
    QFontMetrics metrics() const { return QFontMetrics(m_font, m_writer.get()); }
    // A fresh PDF in memory for the next document.
    void openNext();

    QList<QByteArray> m_documents;
    // Declared before the writer, which writes into it until it is destroyed.
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    QFont m_font;
};
