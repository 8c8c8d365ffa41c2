// Tfresultatcomb, the board list window: the boards of the last generation, one row
// per board, their count, and the printed list on the default printer. Each time it
// becomes active it rebuilds its texts and grid from the current BoardList.
#pragma once

#include "gui/dialogbase.h"

class QGroupBox;
class QPainter;
class QPushButton;
class TStringGrid;

class Tfresultatcomb : public TQuillonDialog {
    Q_OBJECT
public:
    explicit Tfresultatcomb(QWidget *parent = nullptr);

    QLabel *Image1;
    TStringGrid *grillecomb;
    QGroupBox *GroupBox1;
    QLabel *lnbtickets;
    QPushButton *bimprime;
    QPushButton *bquit;

    void FormActivate() override;
    void grillecombDrawCell(QPainter &painter, int col, int row, const QRect &rect, int state);
    void bimprimeClick();
    void bquitClick();
};
