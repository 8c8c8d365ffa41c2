// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gradientbackground.h"

#include <QEvent>
#include <QPainter>

GradientBackground::GradientBackground(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
    lower();
}

void GradientBackground::setStartColor(const QColor &color)
{
    if (color == m_startColor)
        return;
    m_startColor = color;
    update();
}

void GradientBackground::setEndColor(const QColor &color)
{
    if (color == m_endColor)
        return;
    m_endColor = color;
    update();
}

bool GradientBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void GradientBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < kGradientBands; ++i) {
        const GradientBand band = gradientBand(i, height(), m_startColor, m_endColor);
        if (band.bottom > band.top)
            painter.fillRect(0, band.top, width(), band.bottom - band.top, band.color);
    }
}
