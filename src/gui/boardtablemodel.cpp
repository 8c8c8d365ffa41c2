// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/boardtablemodel.h"

#include "core/draw/rating.h"

#include <QColor>
#include <QSize>
#include <algorithm>

using namespace quillon;

void BoardTableModel::setBoards(const QList<qint32> &numbers, int boardSize, const QString &cornerText)
{
    beginResetModel();
    assign(numbers, boardSize, cornerText);
    endResetModel();
}

void BoardTableModel::assign(const QList<qint32> &numbers, int boardSize, const QString &cornerText)
{
    m_numbers = numbers;
    m_boardSize = std::max(boardSize, 0);
    m_cornerText = cornerText;
}

int BoardTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : boardCount();
}

int BoardTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_boardSize;
}

QVariant BoardTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() < m_boardSize && index.row() < boardCount())
            return QString::number(m_numbers.at(qsizetype(index.row()) * m_boardSize + index.column()));
        return {};
    case Qt::BackgroundRole:
        // Row 0 holds board 1.
        return QColor::fromRgb(index.row() % 2 == 0 ? kOddRowColour : kEvenRowColour);
    default:
        return {};
    }
}

QVariant BoardTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical && section >= 0 && section < boardCount())
        return QString::number(section + 1);
    return QString();
}

Qt::ItemFlags BoardTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ComparisonTableModel::setComparison(const Comparison &comparison, const QString &cornerText)
{
    beginResetModel();
    assign(comparison.numbers, comparison.boardSize, cornerText);
    m_results = comparison.results;
    m_filled = true;
    endResetModel();
}

int ComparisonTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_filled)
        return 0;
    return boardCount();
}

int ComparisonTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_filled)
        return 0;
    return boardSize() + 1;
}

QVariant ComparisonTableModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DisplayRole && checkIndex(index, CheckIndexOption::IndexIsValid)
        && index.column() == boardSize())
        return index.row() < m_results.size() ? m_results.at(index.row()) : QString();
    return BoardTableModel::data(index, role);
}

QVariant ComparisonTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::SizeHintRole && orientation == Qt::Horizontal && section == boardSize())
        return QSize(kResultColumnWidth, 0);
    return BoardTableModel::headerData(section, orientation, role);
}
