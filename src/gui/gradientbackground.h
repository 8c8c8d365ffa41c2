// SPDX-License-Identifier: GPL-3.0-or-later
// GradientBackground: the vertical gradient that fills every window behind its controls.
#pragma once

#include "gui/gradient.h"

#include <QWidget>

class GradientBackground : public QWidget {
    Q_OBJECT
public:
    // Becomes the bottom-most child of parent and follows its size.
    explicit GradientBackground(QWidget *parent);

    QColor startColor() const { return m_startColor; }
    QColor endColor() const { return m_endColor; }
    void setStartColor(const QColor &color);
    void setEndColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QColor m_startColor = Qt::blue;
    QColor m_endColor = Qt::red;
};
