// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/boardtableview.h"

#include "gui/boardtablemodel.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int kTextInset = 2;

// Paints one cell over rect, whose last pixel column and row are its grid lines.
void paintCell(QPainter &painter, const QRect &rect, const QBrush &fill, const QColor &line,
    const QColor &textColour, QFont font, const QString &text)
{
    const int w = BoardTableView::kLineWidth;
    const QRect cell = rect.adjusted(0, 0, -w, -w);
    painter.save();
    painter.fillRect(QRect(rect.left(), cell.bottom() + 1, rect.width(), w), line);
    painter.fillRect(QRect(cell.right() + 1, rect.top(), w, cell.height()), line);
    painter.fillRect(cell, fill);
    painter.setClipRect(cell, Qt::IntersectClip);
    font.setBold(false);
    font.setItalic(false);
    painter.setFont(font);
    painter.setPen(textColour);
    painter.drawText(cell.adjusted(kTextInset, kTextInset, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
}

void paintHeaderCell(QPainter &painter, const QRect &rect, const QFont &font, const QString &text)
{
    paintCell(painter, rect, QColor::fromRgb(kHeaderCellColour), Qt::darkGray, Qt::black, font, text);
}

class BoardCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QBrush fill
            = selected ? option.palette.highlight() : qvariant_cast<QBrush>(index.data(Qt::BackgroundRole));
        const QColor text = selected ? option.palette.color(QPalette::HighlightedText) : QColor(Qt::black);
        paintCell(*painter, option.rect, fill, Qt::lightGray, text, option.font, index.data().toString());
    }
};

// A header of fixed-size sections painted as grid cells, blank past its last section.
// It takes no room while the model has no columns, so that an empty grid shows blank.
class BoardHeaderView : public QHeaderView {
public:
    BoardHeaderView(Qt::Orientation orientation, QWidget *parent)
        : QHeaderView(orientation, parent)
    {
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(0);
        setDefaultSectionSize(BoardTableView::kLineWidth
            + (orientation == Qt::Horizontal ? BoardTableView::kColumnWidth : BoardTableView::kRowHeight));
    }

    QSize sizeHint() const override
    {
        QSize size = QHeaderView::sizeHint();
        const bool shown = model() && model()->columnCount() > 0;
        if (orientation() == Qt::Horizontal) {
            size.setHeight(shown ? BoardTableView::kRowHeight + BoardTableView::kLineWidth : 0);
        } else {
            // Wide enough for the corner's text, which names the board column, in
            // every language.
            const auto *boards = qobject_cast<const BoardTableModel *>(model());
            const int text = boards
                ? QFontMetrics(parentWidget()->font()).horizontalAdvance(boards->cornerText())
                    + 2 * kTextInset
                : 0;
            size.setWidth(
                shown ? std::max(BoardTableView::kBoardColumnWidth, text) + BoardTableView::kLineWidth : 0);
        }
        return size;
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int section) const override
    {
        paintHeaderCell(
            *painter, rect, parentWidget()->font(), model()->headerData(section, orientation()).toString());
    }

    void paintEvent(QPaintEvent *event) override
    {
        QHeaderView::paintEvent(event);
        QRect rest = viewport()->rect();
        const int end = length() - offset();
        if (orientation() == Qt::Horizontal)
            rest.setLeft(end);
        else
            rest.setTop(end);
        QPainter painter(viewport());
        painter.fillRect(rest, Qt::white);
    }
};

} // namespace

BoardTableView::BoardTableView(BoardTableModel *model, QWidget *parent)
    : QTableView(parent)
{
    setHorizontalHeader(new BoardHeaderView(Qt::Horizontal, this));
    setVerticalHeader(new BoardHeaderView(Qt::Vertical, this));
    setModel(model);
    setItemDelegate(new BoardCellDelegate(this));
    // Each cell paints its own lines.
    setShowGrid(false);
    setEditTriggers(NoEditTriggers);
    // Tab leaves the grid for the window's next control.
    setTabKeyNavigation(false);
    QPalette white = viewport()->palette();
    white.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(white);

    // The corner button is QTableView's own; it keeps selecting all on a click, and
    // is painted here as the grid's top left cell.
    m_corner = findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner)
        m_corner->installEventFilter(this);
    connect(model, &QAbstractItemModel::modelReset, this, &BoardTableView::followModel);
}

BoardTableModel *BoardTableView::boardModel() const
{
    return qobject_cast<BoardTableModel *>(model());
}

void BoardTableView::followModel()
{
    for (int col = 0; col < model()->columnCount(); ++col) {
        const int width = model()->headerData(col, Qt::Horizontal, Qt::SizeHintRole).toSize().width();
        if (width > 0)
            setColumnWidth(col, width + kLineWidth);
    }
    if (m_corner) {
        m_corner->setAccessibleName(boardModel()->cornerText());
        m_corner->update();
    }
    // The board column follows the corner's text.
    updateGeometries();
}

QString BoardTableView::selectedText() const
{
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    QList<int> rows;
    QList<int> cols;
    for (const QModelIndex &cell : cells) {
        rows.append(cell.row());
        cols.append(cell.column());
    }
    for (QList<int> *list : { &rows, &cols }) {
        std::sort(list->begin(), list->end());
        list->erase(std::unique(list->begin(), list->end()), list->end());
    }
    QStringList lines;
    for (int row : rows) {
        QStringList texts;
        for (int col : cols) {
            const QModelIndex index = model()->index(row, col);
            texts.append(selectionModel()->isSelected(index) ? index.data().toString() : QString());
        }
        lines.append(texts.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n'));
}

void BoardTableView::keyPressEvent(QKeyEvent *event)
{
    // The item view alone copies only the current cell.
    if (event->matches(QKeySequence::Copy) && selectionModel()->hasSelection()) {
        QGuiApplication::clipboard()->setText(selectedText());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool BoardTableView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        QPainter painter(m_corner);
        paintHeaderCell(painter, m_corner->rect(), font(), boardModel()->cornerText());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}
