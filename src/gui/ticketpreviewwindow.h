// SPDX-License-Identifier: GPL-3.0-or-later
// TicketPreviewWindow shows the tickets of a range as they will print: the picture
// the ticket printing run records for the ticket shown (a page picture device of the platform services),
// drawn only when that ticket is shown, over a light
// drawing of the slip's boxes at their places from the ticket table. The boxes stay
// where the slip has them; the marks carry the player's offsets, as on paper.
#pragma once

#include <QDialog>
#include <QList>
#include <QPicture>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class SlipView;

class TicketPreviewWindow : public QDialog {
    Q_OBJECT
public:
    // Draws ticket index (0 for the first) of the range: a picture in printer dots
    // from the corner of the printable area.
    using TicketDrawing = std::function<QPicture(int index)>;

    // ticketCount tickets, each drawn by drawTicket when it is shown; the printable
    // area lies printingOffset dots into the sheet. note, when not empty, is shown
    // under the slip. The window opens with the whole slip fitted into it.
    TicketPreviewWindow(int ticketType, int ticketCount, TicketDrawing drawTicket, int dpi,
        QPoint printingOffset, const QString &note, QWidget *parent);

    int currentTicket() const { return m_current; }
    // Screen pixels per printer dot.
    double scale() const;

public slots:
    void showPreviousTicket();
    void showNextTicket();
    // The whole slip in the window, at every size of the window.
    void zoomToFit();
    // The slip at its real size, from the screen's physical resolution.
    void zoomToActualSize();
    // Any scale, in screen pixels per printer dot.
    void zoomTo(double scale);

protected:
    // Refits the slip whenever the scroll area's viewport changes size, the first
    // layout at show() included.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTicket(int index);

    int m_ticketCount;
    TicketDrawing m_drawTicket;
    // The ticket shown; the others are drawn again when the player turns to them.
    QPicture m_ticket;
    int m_dpi;
    int m_current = 0;
    bool m_fitting = true;
    // Object names: previousTicket, ticketNumber, nextTicket, zoomFit, zoomActualSize,
    // closePreview, slipView.
    QPushButton *m_previousButton;
    QLabel *m_ticketNumber;
    QPushButton *m_nextButton;
    QPushButton *m_fitButton;
    QPushButton *m_actualSizeButton;
    QPushButton *m_closeButton;
    QScrollArea *m_scroll;
    SlipView *m_view;
};
