// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chancechart.h"

#include <QPainter>
#include <cmath>

namespace {

// The scale runs from one in ten thousand million (10^-10) to certainty.
constexpr int kDecades = 10;
const QColor kWheelColour(0, 128, 128);
const QColor kRandomColour(200, 160, 60);

} // namespace

ChanceChart::ChanceChart(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(300, 180);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void ChanceChart::setChances(const std::array<double, 5> &wheel, const std::array<double, 5> &random)
{
    m_wheel = wheel;
    m_random = random;
    m_hasChances = true;
    update();
}

void ChanceChart::clear()
{
    m_hasChances = false;
    update();
}

void ChanceChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const QRect plot
        = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("10⁻¹⁰")) + 10, line, -8, -2 * line - 6);
    if (plot.width() < 50 || plot.height() < 40)
        return;

    // Decade lines, labelled 1, 10⁻², 10⁻⁴ …
    painter.setPen(QColor(220, 220, 220));
    const auto yOf = [&](double chance) {
        const double decades = std::clamp(-std::log10(std::max(chance, 1e-300)), 0.0, double(kDecades));
        return plot.top() + decades / kDecades * plot.height();
    };
    static const char16_t *const kSuperscripts[] = { u"", u"⁻²", u"⁻⁴", u"⁻⁶", u"⁻⁸", u"⁻¹⁰" };
    for (int d = 0; d <= kDecades; d += 2) {
        const int y = int(yOf(std::pow(10.0, -d)));
        painter.setPen(QColor(220, 220, 220));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::WindowText));
        const QString label
            = d == 0 ? QStringLiteral("1") : QStringLiteral("10") + QString::fromUtf16(kSuperscripts[d / 2]);
        painter.drawText(
            QRect(0, y - line / 2, plot.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter, label);
    }

    const double slot = plot.width() / 5.0;
    for (int i = 0; i < 5; ++i) {
        const double x = plot.left() + i * slot;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(x, plot.bottom() + 2, slot, line), Qt::AlignCenter, QString::number(i + 3));
        if (!m_hasChances)
            continue;
        const double bar = slot * 0.3;
        const double values[2] = { m_wheel[size_t(i)], m_random[size_t(i)] };
        const QColor colours[2] = { kWheelColour, kRandomColour };
        for (int k = 0; k < 2; ++k) {
            const double top = yOf(values[k]);
            painter.fillRect(QRectF(x + slot * 0.18 + k * bar, top, bar, plot.bottom() - top), colours[k]);
        }
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    // The legend under the levels.
    const int y = plot.bottom() + line + 6;
    const QString names[2] = { tr("this wheel"), tr("random boards") };
    const QColor colours[2] = { kWheelColour, kRandomColour };
    int x = plot.left();
    for (int k = 0; k < 2; ++k) {
        painter.fillRect(QRect(x, y + 2, line - 4, line - 4), colours[k]);
        painter.drawText(QPoint(x + line, y + metrics.ascent()), names[k]);
        x += line + metrics.horizontalAdvance(names[k]) + 16;
    }
}
