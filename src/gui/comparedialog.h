// CompareDialog, the comparison with a draw: the player types seven main numbers and up
// to two bonus numbers, and every board of the current BoardList gets its result,
// with a count of the boards in each winning category. The draw and the counters
// live in core (core/draw/rating.h) for the whole run.
#pragma once

#include "gui/dialogframe.h"

#include <array>

class QComboBox;
class QGroupBox;
class QPainter;
class QPushButton;
class StringGrid;

class CompareDialog : public DialogFrame {
    Q_OBJECT
public:
    explicit CompareDialog(QWidget *parent = nullptr);

    QLabel *Image1;
    QGroupBox *GroupBox1;
    std::array<QComboBox *, 10> c{}; // c[1] … c[9]; c[0] unused
    QPushButton *bvoir;
    StringGrid *grillecomb;
    QGroupBox *GroupBox2;
    QLabel *laffresul;
    QPushButton *bquit;

    // The summary as last built: one line per category, each ended by a carriage return.
    QString summary() const { return m_summary; }

    void onShown() override;
    void onActivated() override;
    void bvoirClick();
    void grillecombDrawCell(QPainter &painter, int col, int row, const QRect &rect, int state);
    void bquitClick();

private:
    QString m_summary;
};
