// SPDX-License-Identifier: GPL-3.0-or-later
// A print device that records each document on pictures instead of paper, so that
// a window can show what a printing run would put on the sheet.
//
// Coordinates are dots of the printer it stands for, origin at the corner of its
// printable area, as on the real printer. Text is recorded as glyph outlines at the
// printer's font size, so that the pictures keep their geometry at any zoom and on
// any screen.
#pragma once

#include "core/platform.h"

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPicture>
#include <memory>

class PicturePrintDevice : public quillon::PagePictureDevice {
public:
    // A printer of dpi dots per inch whose printable area of page dots lies
    // printingOffset dots into the sheet.
    PicturePrintDevice(int dpi, QSize page, QPoint printingOffset);

    // Resolution and printable area of the default printer; without one, 300 dots
    // per inch on an A4 sheet printable to its edges (fromPrinter() then says false).
    static std::unique_ptr<PicturePrintDevice> likeDefaultPrinter();
    bool fromPrinter() const override { return m_fromPrinter; }

    // The documents ended so far, each a list of pages.
    const QList<QList<QPicture>> &documents() const { return m_documents; }
    QList<QList<QByteArray>> pagePictures() const override;
    std::unique_ptr<quillon::PagePictureDevice> blank() const override;

    QSize pageSize() override { return m_page; }
    void beginDocument(const QString &name) override;
    void endDocument() override;
    void abortDocument() override;
    void newPage() override;
    void setFont(const QString &family, int pointSize, bool bold) override;
    void drawText(int x, int y, const QString &text) override;
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    int dpiX() override { return m_dpi; }
    int dpiY() override { return m_dpi; }
    QPoint printingOffset() override { return m_offset; }
    bool ready(QString *) override { return true; }
    bool lastDocumentTaken(QString *) override { return true; }

private:
    void finishPage();

    int m_dpi;
    QSize m_page;
    QPoint m_offset;
    bool m_fromPrinter = false;
    QFont m_font;
    QPicture m_picture;
    QPainter m_painter;
    QList<QPicture> m_pages;
    QList<QList<QPicture>> m_documents;
};
