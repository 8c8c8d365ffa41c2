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

    quint32 startColor() const { return m_startColor; }
    quint32 endColor() const { return m_endColor; }
    void setStartColor(quint32 color);
    void setEndColor(quint32 color);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    quint32 m_startColor = 0xFF0000; // blue, stored as 0x00BBGGRR
    quint32 m_endColor = 0x0000FF;   // red
};
