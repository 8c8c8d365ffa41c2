// SPDX-License-Identifier: GPL-3.0-or-later
// TicketPrintDialog, the ticket printing dialog: the kind of ticket, the range of boards and
// whether to stop before each ticket. The print button checks the range and hands
// the run to core (core/tickets/ticketprint.h).
#pragma once

#include "core/tickets/ticketprint.h"
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
    TicketPrintDialog(quillon::Session &session, QWidget *parent);

protected:
    void onShown() override;
    void onActivated() override;

private slots:
    // Checks the range and prints the boards on tickets; the dialog closes after a run.
    void printTickets();
    // Shows the tickets of the range as they will print, without printing.
    void previewTickets();
    // Prints the calibration sheet of the chosen ticket type; the dialog stays open.
    void printCalibrationSheet();

private:
    // Sets the texts of the current language.
    void applyCaptions();
    // The run the player chose; false, after the warning, when the range is not valid.
    bool chosenRun(quillon::TicketRun &run);
    quillon::PrintOffsets offsets() const;

    // Object names: fimprime's Image1, Label3, ComboBox1, GroupBox3, Label1, Gpremier,
    // Label2, gdernier, GroupBox2, bimptsbull, bimpunbull, boutannule, boutlancer.
    QLabel *m_picture;
    QLabel *m_typeLabel;
    QComboBox *m_typeList;
    QGroupBox *m_rangeGroup;
    QLabel *m_firstLabel;
    QLineEdit *m_firstBox;
    QLabel *m_lastLabel;
    QLineEdit *m_lastBox;
    QGroupBox *m_modeGroup;
    QRadioButton *m_allAtOnceButton;
    QRadioButton *m_oneAtATimeButton;
    QPushButton *m_cancelButton;
    QPushButton *m_printButton;
    // Object names bapercu and bcalage.
    QPushButton *m_previewButton;
    QPushButton *m_calibrationButton;
};
