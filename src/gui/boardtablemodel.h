// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only table models behind the two board grids. A row is a board: its numbers
// in the columns, its number (1 … boardCount) in the vertical header; the horizontal
// header is blank and the corner text names the board column. Rows are striped through
// Qt::BackgroundRole by board number: white for odd boards, pale mint for even ones.
//
// The models keep plain numbers and make a cell's text only when it is asked for, so a
// list of thousands of boards fills at once.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>

namespace quillon {
struct Comparison;
}

inline constexpr QRgb kOddRowColour = 0xFFFFFF;
inline constexpr QRgb kEvenRowColour = 0xE1FFF4; // 225, 255, 244

// The boards of a list, one row per board.
class BoardTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // numbers: boardSize numbers per board, board by board.
    void setBoards(const QList<qint32> &numbers, int boardSize, const QString &cornerText);

    // The text over the board numbers, in the grid's top left corner.
    QString cornerText() const { return m_cornerText; }
    int boardCount() const { return m_boardSize > 0 ? int(m_numbers.size() / m_boardSize) : 0; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

protected:
    // Replaces the content; the caller wraps it in a model reset.
    void assign(const QList<qint32> &numbers, int boardSize, const QString &cornerText);
    int boardSize() const { return m_boardSize; }

private:
    QList<qint32> m_numbers;
    int m_boardSize = 0;
    QString m_cornerText;
};

// The boards of a comparison with a draw: the numbers, then each board's result in a
// wider last column. With no board at all it has no row: a blank one would read as a
// board without numbers.
class ComparisonTableModel : public BoardTableModel {
    Q_OBJECT
public:
    using BoardTableModel::BoardTableModel;

    static constexpr int kResultColumnWidth = 100;

    void setComparison(const quillon::Comparison &comparison, const QString &cornerText);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The result column asks for its width through Qt::SizeHintRole.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_results;
    bool m_filled = false; // no comparison yet: no rows, no columns
};
