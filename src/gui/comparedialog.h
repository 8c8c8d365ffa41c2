// SPDX-License-Identifier: GPL-3.0-or-later
// CompareDialog, the comparison with a draw: the player types seven main numbers and up
// to two bonus numbers, and every board of the current BoardList gets its result,
// with a count of the boards in each winning category. The draw and the counters
// live in core (core/draw/rating.h) for the whole run.
#pragma once

#include "gui/dialogframe.h"

#include <array>

class QComboBox;
class QGroupBox;
class QPushButton;

class ComparisonTableModel;
class BoardTableView;

class CompareDialog : public DialogFrame {
    Q_OBJECT
public:
    CompareDialog(quillon::Session &session, QWidget *parent);

    // The summary as last built: one line per category, each ended by a carriage return.
    QString summary() const { return m_summary; }

protected:
    void onShown() override;
    void onActivated() override;

private slots:
    // Rates every board against the typed draw and shows the results and the summary.
    void compareWithDraw();

private:
    // Object names: fcompare's Image1, GroupBox1, c1 … c9, bvoir, grillecomb, GroupBox2,
    // laffresul, bquit.
    QLabel *m_picture;
    QGroupBox *m_drawGroup;
    std::array<QComboBox *, 10> m_drawBoxes {}; // c1 … c9 at [1] … [9]; [0] unused
    QPushButton *m_compareButton;
    ComparisonTableModel *m_results;
    BoardTableView *m_grid;
    QGroupBox *m_resultGroup;
    QLabel *m_summaryLabel;
    QPushButton *m_closeButton;
    QString m_summary;
};
