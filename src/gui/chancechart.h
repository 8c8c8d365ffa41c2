// SPDX-License-Identifier: GPL-3.0-or-later
// ChanceChart: for each prize level 3 … 7, two bars side by side, the wheel's chance of
// at least one board with that many hits and the chance of as many random boards, on a
// logarithmic scale (the chances run from near certainty to one in millions).
#pragma once

#include <QWidget>
#include <array>

class ChanceChart : public QWidget {
    Q_OBJECT
public:
    explicit ChanceChart(QWidget *parent = nullptr);

    // chances[h - 3] for h = 3 … 7; an empty chart when clear.
    void setChances(const std::array<double, 5> &wheel, const std::array<double, 5> &random);
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_hasChances = false;
    std::array<double, 5> m_wheel {};
    std::array<double, 5> m_random {};
};
