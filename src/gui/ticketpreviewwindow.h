// TicketPreviewWindow shows the tickets of a range as they will print: the pictures
// the ticket printing run recorded (platform/pictureprintdevice.h), drawn over a light
// drawing of the slip's boxes at their places from the ticket table. The boxes stay
// where the slip has them; the marks carry the player's offsets, as on paper.
#pragma once

#include <QDialog>
#include <QList>
#include <QPicture>

class QLabel;
class QPushButton;
class QScrollArea;
class SlipView;

class TicketPreviewWindow : public QDialog {
    Q_OBJECT
public:
    // tickets: one picture a ticket, in printer dots from the corner of the printable
    // area, which lies printingOffset dots into the sheet. note, when not empty, is
    // shown under the slip.
    TicketPreviewWindow(int ticketType, const QList<QPicture> &tickets, int dpi, QPoint printingOffset,
        const QString &note, QWidget *parent);

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
    void resizeEvent(QResizeEvent *event) override;

private:
    void showTicket(int index);

    QList<QPicture> m_tickets;
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
