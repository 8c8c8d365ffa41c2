// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ticketpreviewwindow.h"

#include "core/tickets/slipgrid.h"
#include "core/tickets/ticketprint.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <utility>

using namespace quillon;

// The sheet from its corner to a little past the slip's last box, in printer dots
// scaled to the screen.
class SlipView : public QWidget {
public:
    SlipView(int ticketType, int dpi, QPoint printingOffset, QWidget *parent)
        : QWidget(parent)
        , m_dpi(dpi)
        , m_printingOffset(printingOffset)
        , m_cells(slipCells(ticketType))
    {
        const QSizeF extent = slipExtentCm(ticketType);
        m_sheet = QSize(dots(extent.width()), dots(extent.height()));
    }

    QSize sheetDots() const { return m_sheet; }
    double scale() const { return m_scale; }
    void setScale(double scale)
    {
        m_scale = scale;
        resize(int(std::ceil(m_sheet.width() * scale)), int(std::ceil(m_sheet.height() * scale)));
        update();
    }
    void setPicture(const QPicture *picture)
    {
        m_picture = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(m_scale, m_scale);
        // The slip's boxes where the ticket table puts them on the sheet: the same
        // conversion as the marks, without the player's offsets.
        QPen pen(QColor(235, 150, 150));
        pen.setCosmetic(true);
        painter.setPen(pen);
        QFont font = painter.font();
        for (const SlipCell &cell : m_cells) {
            const QRectF box(QPointF(dots(cell.cm.left()), dots(cell.cm.top())),
                QPointF(dots(cell.cm.right()), dots(cell.cm.bottom())));
            painter.drawRect(box);
            font.setPixelSize(std::max(1, int(box.height() * 0.45)));
            painter.setFont(font);
            painter.drawText(box, Qt::AlignCenter, QString::number(cell.number));
        }
        // The printing run's drawing, from the corner of the printable area.
        if (m_picture) {
            painter.translate(m_printingOffset);
            painter.drawPicture(0, 0, *m_picture);
        }
    }

private:
    int dots(double cm) const { return cmToDots(cm, m_dpi, 0, 0); }

    int m_dpi;
    QPoint m_printingOffset;
    QList<SlipCell> m_cells;
    QSize m_sheet;
    double m_scale = 1;
    const QPicture *m_picture = nullptr;
};

namespace {

// Room kept around the window for the window manager's frame and title bar, in
// device-independent pixels.
constexpr int kFrameAllowance = 48;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TicketPreviewWindow::TicketPreviewWindow(int ticketType, int ticketCount, TicketDrawing drawTicket, int dpi,
    QPoint printingOffset, const QString &note, QWidget *parent)
    : QDialog(parent)
    , m_ticketCount(std::max(0, ticketCount))
    , m_drawTicket(std::move(drawTicket))
    , m_dpi(dpi)
{
    setObjectName(QStringLiteral("fapercu"));
    setWindowTitle(tr("Ticket preview") + QStringLiteral(" - ")
        + QString::fromLatin1(quillon::ticketType(ticketType).name).trimmed());

    m_previousButton = makeButton(this, "previousTicket", tr("Previous"));
    m_ticketNumber = new QLabel(this);
    m_ticketNumber->setObjectName(QStringLiteral("ticketNumber"));
    m_nextButton = makeButton(this, "nextTicket", tr("Next"));
    m_fitButton = makeButton(this, "zoomFit", tr("Fit"));
    m_actualSizeButton = makeButton(this, "zoomActualSize", tr("Actual size"));
    m_closeButton = makeButton(this, "closePreview", tr("Close"));

    m_view = new SlipView(ticketType, dpi, printingOffset, this);
    m_view->setObjectName(QStringLiteral("slipView"));
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->viewport()->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_previousButton);
    buttons->addWidget(m_ticketNumber);
    buttons->addWidget(m_nextButton);
    buttons->addStretch();
    buttons->addWidget(m_fitButton);
    buttons->addWidget(m_actualSizeButton);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_scroll, 1);
    if (!note.isEmpty()) {
        auto *noteLabel = new QLabel(note, this);
        noteLabel->setObjectName(QStringLiteral("previewNote"));
        layout->addWidget(noteLabel);
    }

    // Page Up and Page Down turn the tickets, as in a document viewer.
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
        &TicketPreviewWindow::showPreviousTicket);
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
        &TicketPreviewWindow::showNextTicket);
    connect(m_previousButton, &QPushButton::clicked, this, &TicketPreviewWindow::showPreviousTicket);
    connect(m_nextButton, &QPushButton::clicked, this, &TicketPreviewWindow::showNextTicket);
    connect(m_fitButton, &QPushButton::clicked, this, &TicketPreviewWindow::zoomToFit);
    connect(m_actualSizeButton, &QPushButton::clicked, this, &TicketPreviewWindow::zoomToActualSize);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    // 760 × 680 where the screen has room for it, the screen's free area less room
    // for the window's frame where it has not (a small screen, a large scale factor).
    const QScreen *onScreen = parent ? parent->screen() : screen();
    const QSize room = onScreen->availableGeometry().size() - QSize(kFrameAllowance, kFrameAllowance);
    resize(QSize(760, 680).boundedTo(room.expandedTo(minimumSizeHint())));
    showTicket(0);
    zoomToFit();
}

double TicketPreviewWindow::scale() const
{
    return m_view->scale();
}

void TicketPreviewWindow::showTicket(int index)
{
    m_current = std::clamp(index, 0, std::max(0, m_ticketCount - 1));
    m_ticket = m_ticketCount > 0 && m_drawTicket ? m_drawTicket(m_current) : QPicture();
    m_view->setPicture(m_ticketCount > 0 ? &m_ticket : nullptr);
    m_ticketNumber->setText(
        tr("Ticket %1 of %2").arg(m_ticketCount == 0 ? 0 : m_current + 1).arg(m_ticketCount));
    m_previousButton->setEnabled(m_current > 0);
    m_nextButton->setEnabled(m_current + 1 < m_ticketCount);
}

void TicketPreviewWindow::showPreviousTicket()
{
    showTicket(m_current - 1);
}

void TicketPreviewWindow::showNextTicket()
{
    showTicket(m_current + 1);
}

void TicketPreviewWindow::zoomToFit()
{
    m_fitting = true;
    const QSize room = m_scroll->viewport()->size() - QSize(4, 4);
    const QSize sheet = m_view->sheetDots();
    m_view->setScale(std::max(
        0.01, std::min(double(room.width()) / sheet.width(), double(room.height()) / sheet.height())));
}

void TicketPreviewWindow::zoomToActualSize()
{
    zoomTo(screen()->physicalDotsPerInch() / m_dpi);
}

void TicketPreviewWindow::zoomTo(double scale)
{
    m_fitting = false;
    m_view->setScale(scale);
}

bool TicketPreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_fitting)
        zoomToFit();
    return QDialog::eventFilter(watched, event);
}
