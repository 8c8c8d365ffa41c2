#include "gui/stringgrid.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

StringGrid::StringGrid(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(pal);
    // The cell routine paints every pixel of a cell, so the viewport need not be cleared.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    m_drawCell = [](QPainter &painter, int, int, const QRect &rect, CellState state) {
        painter.fillRect(rect, state == CellState::Fixed ? QColor(Qt::lightGray) : QColor(Qt::white));
    };
}

void StringGrid::setColCount(int count)
{
    count = std::max(count, 0);
    const int old = colCount();
    if (count == old)
        return;
    QList<QString> cells(qsizetype(count) * m_rowCount);
    const int keep = std::min(old, count);
    for (int r = 0; r < m_rowCount; ++r) {
        for (int c = 0; c < keep; ++c)
            cells[qsizetype(r) * count + c] = std::move(m_cells[qsizetype(r) * old + c]);
    }
    m_cells = std::move(cells);
    m_colWidths.resize(count, kDefaultColWidth);
    updateScrollBars();
    viewport()->update();
}

void StringGrid::setRowCount(int count)
{
    count = std::max(count, 0);
    if (count == m_rowCount)
        return;
    m_rowCount = count;
    m_cells.resize(qsizetype(count) * colCount());
    updateScrollBars();
    viewport()->update();
}

void StringGrid::setColWidth(int col, int width)
{
    if (col < 0 || col >= colCount())
        return;
    m_colWidths[col] = std::max(width, 0);
    updateScrollBars();
    viewport()->update();
}

QString StringGrid::cell(int col, int row) const
{
    if (col < 0 || col >= colCount() || row < 0 || row >= m_rowCount)
        return {};
    return m_cells.at(qsizetype(row) * colCount() + col);
}

void StringGrid::setCell(int col, int row, const QString &text)
{
    if (col < 0 || col >= colCount() || row < 0 || row >= m_rowCount)
        return;
    m_cells[qsizetype(row) * colCount() + col] = text;
    // Repainting waits for the event loop; one update covers a whole fill.
    viewport()->update();
}

int StringGrid::topRow() const
{
    return fixedRows() + verticalScrollBar()->value();
}

int StringGrid::leftCol() const
{
    return fixedCols() + horizontalScrollBar()->value();
}

void StringGrid::setTopRow(int row)
{
    verticalScrollBar()->setValue(row - fixedRows());
}

int StringGrid::visibleScrollingRows() const
{
    const int height = viewport()->height() - fixedRows() * (m_rowHeight + kLineWidth);
    return std::max(1, height / (m_rowHeight + kLineWidth));
}

int StringGrid::visibleScrollingCols() const
{
    int width = viewport()->width();
    for (int c = 0; c < std::min(fixedCols(), colCount()); ++c)
        width -= m_colWidths.at(c) + kLineWidth;
    // Columns that fit when the grid is scrolled to its right end.
    int fit = 0;
    for (int c = colCount() - 1; c >= fixedCols(); --c) {
        width -= m_colWidths.at(c) + kLineWidth;
        if (width < 0)
            break;
        ++fit;
    }
    return std::max(1, fit);
}

void StringGrid::updateScrollBars()
{
    const int rows = std::max(0, m_rowCount - fixedRows());
    const int rowRange = std::max(0, rows - visibleScrollingRows());
    verticalScrollBar()->setRange(0, rowRange);
    verticalScrollBar()->setPageStep(visibleScrollingRows());
    verticalScrollBar()->setSingleStep(1);

    const int cols = std::max(0, colCount() - fixedCols());
    const int colRange = std::max(0, cols - visibleScrollingCols());
    horizontalScrollBar()->setRange(0, colRange);
    horizontalScrollBar()->setPageStep(visibleScrollingCols());
    horizontalScrollBar()->setSingleStep(1);
}

QRect StringGrid::cellRect(int col, int row) const
{
    if (col < 0 || col >= colCount() || row < 0 || row >= m_rowCount)
        return {};
    int x = 0;
    if (col < fixedCols()) {
        for (int c = 0; c < col; ++c)
            x += m_colWidths.at(c) + kLineWidth;
    } else {
        if (col < leftCol())
            return {};
        for (int c = 0; c < fixedCols(); ++c)
            x += m_colWidths.at(c) + kLineWidth;
        for (int c = leftCol(); c < col; ++c)
            x += m_colWidths.at(c) + kLineWidth;
    }
    int y = 0;
    if (row < fixedRows()) {
        y = row * (m_rowHeight + kLineWidth);
    } else {
        if (row < topRow())
            return {};
        y = (fixedRows() + row - topRow()) * (m_rowHeight + kLineWidth);
    }
    const QRect rect(x, y, m_colWidths.at(col), m_rowHeight);
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

void StringGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    // Grid lines and the space past the last cell.
    painter.fillRect(event->rect(), Qt::white);

    const int step = m_rowHeight + kLineWidth;
    const int lastRow = std::min(m_rowCount - 1, topRow() + area.height() / step);
    QList<int> rows;
    for (int r = 0; r < std::min(fixedRows(), m_rowCount); ++r)
        rows.append(r);
    for (int r = topRow(); r <= lastRow; ++r)
        rows.append(r);
    QList<int> cols;
    for (int c = 0; c < std::min(fixedCols(), colCount()); ++c)
        cols.append(c);
    int width = 0;
    for (int c : cols)
        width += m_colWidths.at(c) + kLineWidth;
    for (int c = leftCol(); c < colCount() && width < area.width(); ++c) {
        cols.append(c);
        width += m_colWidths.at(c) + kLineWidth;
    }

    int y = 0;
    for (int r : rows) {
        int x = 0;
        for (int c : cols) {
            const QRect rect(x, y, m_colWidths.at(c), m_rowHeight);
            const bool fixed = r < fixedRows() || c < fixedCols();
            // Lines right of and under each cell, darker around the fixed cells.
            painter.fillRect(QRect(x, y + m_rowHeight, rect.width() + kLineWidth, kLineWidth),
                             fixed ? Qt::darkGray : Qt::lightGray);
            painter.fillRect(QRect(x + rect.width(), y, kLineWidth, m_rowHeight),
                             fixed ? Qt::darkGray : Qt::lightGray);
            if (rect.intersects(event->rect())) {
                painter.save();
                painter.setClipRect(rect);
                m_drawCell(painter, c, r, rect, fixed ? CellState::Fixed : CellState::Scrolling);
                painter.restore();
            }
            x += rect.width() + kLineWidth;
        }
        y += step;
    }
}

void StringGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    QScrollBar *v = verticalScrollBar();
    QScrollBar *h = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Up: v->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: v->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_PageUp: v->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: v->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Left: h->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Right: h->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_Home: v->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: v->triggerAction(QAbstractSlider::SliderToMaximum); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
}

QSize StringGrid::sizeHint() const
{
    return {320, 240};
}

namespace quillon {

void paintBoardCell(QPainter &painter, const StringGrid &grid, int col, int row, const QRect &rect,
    StringGrid::CellState state)
{
    if (row != 0)
        painter.fillRect(rect, QColor::fromRgb(row % 2 ? kOddRowColour : kEvenRowColour));
    if (state == StringGrid::CellState::Fixed)
        painter.fillRect(rect, QColor::fromRgb(kHeaderCellColour));
    QFont font = grid.font();
    font.setBold(false);
    font.setItalic(false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, grid.cell(col, row));
}

} // namespace quillon
