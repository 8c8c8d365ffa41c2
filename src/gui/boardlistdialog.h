// BoardListDialog, the board list window: the boards of the last generation, one row
// per board, their count, and the printed list on the default printer. Each time it
// becomes active it rebuilds its texts and grid from the current BoardList.
#pragma once

#include "gui/dialogframe.h"

class QGroupBox;
class QPainter;
class QPushButton;
class StringGrid;

class BoardListDialog : public DialogFrame {
    Q_OBJECT
public:
    explicit BoardListDialog(QWidget *parent = nullptr);

    QLabel *Image1;
    StringGrid *grillecomb;
    QGroupBox *GroupBox1;
    QLabel *lnbtickets;
    QPushButton *bimprime;
    QPushButton *bquit;

    void onActivated() override;
    void grillecombDrawCell(QPainter &painter, int col, int row, const QRect &rect, int state);
    void bimprimeClick();
    void bquitClick();
};
