// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the words of a PDF back with their places (pdftotext -bbox), in points.
#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace quillon::test {

struct PdfWord {
    QString text;
    QRectF box; // points, origin at the sheet's top-left corner
};

struct PdfPage {
    QSizeF size; // points
    QList<PdfWord> words;
};

// True when pdftotext can be run.
bool havePdfToText();
// The pages of the PDF, or an empty list when it cannot be read.
QList<PdfPage> readPdfWords(const QString &path);
// The title the PDF carries in its document information; empty when it has none.
QString readPdfTitle(const QString &path);
// Words grouped into lines by their vertical place, each line's words joined by one blank.
QStringList pdfLines(const PdfPage &page);

// The first page rasterised by pdftoppm at dpi, without smoothing, in grey; a null
// image when it cannot be made.
QImage pdfPageImage(const QString &path, int dpi);

// The centre of a fine cross (a dark horizontal and vertical line crossing, light in
// the four corners between its arms) within search dots of near, whose arms reach at
// least reach dots; the one nearest near, or (-1, -1) when there is none.
QPoint findCross(const QImage &page, QPoint near, int search, int reach);

// The calibration crosses of ticket type t, in the PDF rasterised at dpi, that are not
// where the ticket table puts their cells moved by the offsets, within one dot: those of
// numbers 1 and the highest in every slot. One line for each; empty when all are there.
QStringList misplacedCrosses(const QString &pdf, int t, int dpi, int horizontalMm, int verticalMm);

} // namespace quillon::test
