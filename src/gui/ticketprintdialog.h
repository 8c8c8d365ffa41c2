// TicketPrintDialog, the ticket printing dialog: the kind of ticket, the range of boards and
// whether to stop before each ticket. The print button checks the range and hands
// the run to core (core/tickets/ticketprint.h).
#pragma once

#include "gui/dialogframe.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TicketPrintDialog : public DialogFrame {
    Q_OBJECT
public:
    explicit TicketPrintDialog(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label3;
    QComboBox *ComboBox1;
    QGroupBox *GroupBox3;
    QLabel *Label1;
    QLineEdit *Gpremier;
    QLabel *Label2;
    QLineEdit *gdernier;
    QGroupBox *GroupBox2;
    QRadioButton *bimptsbull;
    QRadioButton *bimpunbull;
    QPushButton *boutannule;
    QPushButton *boutlancer;

    // Sets the texts of the current language.
    void applyCaptions();

    void boutlancerClick();
    void boutannuleClick();

protected:
    void onShown() override;
    void onActivated() override;
};
