// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pdfwords.h"

#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <limits>

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
    process.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), path, QStringLiteral("-") });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());

    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    for (auto it = tag.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.append(
                PdfPage { QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), QList<PdfWord>() });
        } else if (!pages.isEmpty()) {
            const double x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
            const double x2 = m.captured(5).toDouble(), y2 = m.captured(6).toDouble();
            pages.last().words.append(
                PdfWord { unescapeXml(m.captured(7)), QRectF(QPointF(x1, y1), QPointF(x2, y2)) });
        }
    }
    return pages;
}

QString readPdfTitle(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), { path });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    static const QRegularExpression title(
        QStringLiteral("^Title: *(.*)$"), QRegularExpression::MultilineOption);
    return title.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).trimmed();
}

QStringList pdfLines(const PdfPage &page)
{
    QList<PdfWord> words = page.words;
    std::sort(words.begin(), words.end(),
        [](const PdfWord &a, const PdfWord &b) { return a.box.top() < b.box.top(); });
    QList<QList<PdfWord>> rows;
    for (const PdfWord &w : words) {
        if (rows.isEmpty() || w.box.top() - rows.last().first().box.top() > 1.0)
            rows.append(QList<PdfWord>());
        rows.last().append(w);
    }
    QStringList lines;
    for (QList<PdfWord> &row : rows) {
        std::sort(row.begin(), row.end(),
            [](const PdfWord &a, const PdfWord &b) { return a.box.left() < b.box.left(); });
        QStringList texts;
        for (const PdfWord &w : row)
            texts.append(w.text);
        lines.append(texts.join(QLatin1Char(' ')));
    }
    return lines;
}

QImage pdfPageImage(const QString &path, int dpi)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("page"));
    if (QProcess::execute(QStringLiteral("pdftoppm"),
            { "-r", QString::number(dpi), "-f", "1", "-l", "1", "-gray", "-aa", "no", "-aaVector", "no",
                "-singlefile", "-png", path, png })
        != 0)
        return {};
    return QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

QPoint findCross(const QImage &page, QPoint near, int search, int reach)
{
    const auto dark = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < page.width() && y < page.height() && page.constScanLine(y)[x] < 128;
    };
    QPoint best(-1, -1);
    int bestDistance = std::numeric_limits<int>::max();
    for (int y = near.y() - search; y <= near.y() + search; ++y) {
        for (int x = near.x() - search; x <= near.x() + search; ++x) {
            bool cross = dark(x, y);
            for (int k = 1; cross && k <= reach; ++k)
                cross = dark(x - k, y) && dark(x + k, y) && dark(x, y - k) && dark(x, y + k);
            for (int dx : { -3, 3 }) {
                for (int dy : { -3, 3 })
                    cross = cross && !dark(x + dx, y + dy);
            }
            const int distance = std::abs(x - near.x()) + std::abs(y - near.y());
            if (cross && distance < bestDistance) {
                best = { x, y };
                bestDistance = distance;
            }
        }
    }
    return best;
}

QStringList misplacedCrosses(const QString &pdf, int t, int dpi, int horizontalMm, int verticalMm)
{
    const QImage page = pdfPageImage(pdf, dpi);
    if (page.isNull())
        return { QStringLiteral("%1 could not be rasterised").arg(pdf) };
    QStringList misplaced;
    for (int s = 1; s <= ticketType(t).boardsPerTicket; ++s) {
        for (int n : { 1, ticketType(t).highestNumber }) {
            const QPointF cm = markPosition(t, s, n);
            const QPoint expected(
                cmToDots(cm.x(), dpi, 0, horizontalMm), cmToDots(cm.y(), dpi, 0, verticalMm));
            const QPoint found = findCross(page, expected, 6, int(0.05 / 2.54 * dpi));
            if (qAbs(found.x() - expected.x()) > 1 || qAbs(found.y() - expected.y()) > 1)
                misplaced += QStringLiteral("slot %1, number %2: cross expected at %3, %4, found at %5, %6")
                                 .arg(s)
                                 .arg(n)
                                 .arg(expected.x())
                                 .arg(expected.y())
                                 .arg(found.x())
                                 .arg(found.y());
        }
    }
    return misplaced;
}

} // namespace quillon::test
