// SPDX-License-Identifier: GPL-3.0-or-later
// BoardListDialog, the board list window: the boards of the last generation, one row
// per board, their count, and the printed list on the default printer. Each time it
// becomes active it rebuilds its texts and refills its grid's model from the current
// BoardList.
#pragma once

#include "gui/dialogframe.h"

class QGroupBox;
class QPushButton;

class BoardTableModel;
class BoardTableView;

class BoardListDialog : public DialogFrame {
    Q_OBJECT
public:
    BoardListDialog(quillon::Session &session, QWidget *parent);

signals:
    // The player asked for the system analysis window.
    void analysisRequested();

protected:
    void onActivated() override;

private slots:
    // Prints the list of the boards on the default printer.
    void printList();

private:
    // Object names: fresultatcomb's Image1, grillecomb, GroupBox1, lnbtickets, banalyse, bimprime, bquit.
    QLabel *m_picture;
    BoardTableModel *m_boards;
    BoardTableView *m_grid;
    QGroupBox *m_countGroup;
    QLabel *m_boardCount;
    QPushButton *m_analysisButton;
    QPushButton *m_printButton;
    QPushButton *m_closeButton;
};
