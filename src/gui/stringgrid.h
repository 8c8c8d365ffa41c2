// StringGrid: a read-only grid of text cells with one fixed header row and one fixed
// header column that stay in place while the other cells scroll by whole rows and
// columns. Every cell, fixed or not, is painted by one cell routine (owner drawing),
// so a window decides the colours of all of them.
//
// Cells are plain strings kept in one flat list; only the visible cells are painted,
// so a grid of thousands of rows fills and shows at once.
#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QRgb>
#include <QString>

#include <functional>

class StringGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class CellState { Scrolling, Fixed };
    // Paints the cell (col, row) inside rect; state says whether it is a fixed cell.
    using DrawCell = std::function<void(QPainter &, int col, int row, const QRect &rect, CellState state)>;

    static constexpr int kDefaultColWidth = 64;
    static constexpr int kDefaultRowHeight = 24;
    static constexpr int kLineWidth = 1;

    explicit StringGrid(QWidget *parent = nullptr);

    int colCount() const { return m_colWidths.size(); }
    int rowCount() const { return m_rowCount; }
    // Cells keep their texts where both shapes overlap; new cells are empty.
    void setColCount(int count);
    void setRowCount(int count);
    int colWidth(int col) const { return m_colWidths.at(col); }
    void setColWidth(int col, int width);
    int rowHeight() const { return m_rowHeight; }
    int fixedCols() const { return 1; }
    int fixedRows() const { return 1; }

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    void setDrawCell(DrawCell draw) { m_drawCell = std::move(draw); }

    // The first scrolling row and column shown.
    int topRow() const;
    int leftCol() const;
    void setTopRow(int row);

    // The rectangle of cell (col, row) in viewport coordinates; empty when hidden.
    QRect cellRect(int col, int row) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateScrollBars();
    int visibleScrollingRows() const;
    int visibleScrollingCols() const;

    QList<int> m_colWidths;
    int m_rowCount = 0;
    int m_rowHeight = kDefaultRowHeight;
    QList<QString> m_cells; // row-major, colCount() per row
    DrawCell m_drawCell;
};

namespace quillon {

// The board grids' cell colours: white odd rows, pale mint even rows, greyish lilac
// header cells; the text in black at 2 pixels right of and below the cell's corner.
inline constexpr QRgb kOddRowColour = 0xFFFFFF;
inline constexpr QRgb kEvenRowColour = 0xE1FFF4;   // 225, 255, 244
inline constexpr QRgb kHeaderCellColour = 0xC7B9C8; // 199, 185, 200

void paintBoardCell(QPainter &painter, const StringGrid &grid, int col, int row, const QRect &rect,
    StringGrid::CellState state);

} // namespace quillon
