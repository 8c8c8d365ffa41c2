// SPDX-License-Identifier: GPL-3.0-or-later
// BoardTableView: the read-only grid that shows a BoardTableModel. Every cell, header
// or not, is painted the same way: its background, a one-pixel line along its right
// and bottom edges, and its text in black 2 pixels right of and below its top left
// corner. Body cells take the model's Qt::BackgroundRole (or the selection colour) with
// light grey lines; the headers and the corner are the grid's fixed row and column, in
// greyish lilac with dark grey lines, and the corner shows the model's corner text.
//
// Keyboard navigation and screen-reader access come from QTableView; Ctrl+C copies the
// selected cells as lines of tab-separated texts.
#pragma once

#include <QRgb>
#include <QTableView>

class QAbstractButton;

class BoardTableModel;

inline constexpr QRgb kHeaderCellColour = 0xC7B9C8; // 199, 185, 200

class BoardTableView : public QTableView {
    Q_OBJECT
public:
    // Cell sizes without the grid line that follows each cell.
    static constexpr int kBoardColumnWidth = 60; // the vertical header
    static constexpr int kColumnWidth = 40;
    static constexpr int kRowHeight = 24;
    static constexpr int kLineWidth = 1;

    explicit BoardTableView(BoardTableModel *model, QWidget *parent = nullptr);

    BoardTableModel *boardModel() const;

    // The selected cells, row by row: one line per row that holds a selected cell, the
    // texts of the columns that hold one separated by tabs, empty where a cell of that
    // span is not selected.
    QString selectedText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // After each refill: the widths the model asks for and the corner's text.
    void followModel();

    QAbstractButton *m_corner = nullptr;
};
