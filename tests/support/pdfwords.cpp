#include "support/pdfwords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace quillon::test {

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

static QString unescapeXml(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QList<PdfPage> readPdfWords(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());

    static const QRegularExpression tag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
                       R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (auto it = tag.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.append(PdfPage{QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), QList<PdfWord>()});
        } else if (!pages.isEmpty()) {
            const double x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
            const double x2 = m.captured(5).toDouble(), y2 = m.captured(6).toDouble();
            pages.last().words.append(PdfWord{unescapeXml(m.captured(7)), QRectF(QPointF(x1, y1), QPointF(x2, y2))});
        }
    }
    return pages;
}

QStringList pdfLines(const PdfPage &page)
{
    QList<PdfWord> words = page.words;
    std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) { return a.box.top() < b.box.top(); });
    QList<QList<PdfWord>> rows;
    for (const PdfWord &w : words) {
        if (rows.isEmpty() || w.box.top() - rows.last().first().box.top() > 1.0)
            rows.append(QList<PdfWord>());
        rows.last().append(w);
    }
    QStringList lines;
    for (QList<PdfWord> &row : rows) {
        std::sort(row.begin(), row.end(), [](const PdfWord &a, const PdfWord &b) { return a.box.left() < b.box.left(); });
        QStringList texts;
        for (const PdfWord &w : row)
            texts.append(w.text);
        lines.append(texts.join(QLatin1Char(' ')));
    }
    return lines;
}

} // namespace quillon::test
