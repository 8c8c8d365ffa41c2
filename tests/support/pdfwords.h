// Reads the words of a PDF back with their places (pdftotext -bbox), in points.
#pragma once

#include <QList>
#include <QRectF>
#include <QString>

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
// Words grouped into lines by their vertical place, each line's words joined by one blank.
QStringList pdfLines(const PdfPage &page);

} // namespace quillon::test
