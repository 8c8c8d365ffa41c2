// SPDX-License-Identifier: GPL-3.0-or-later
// SettingsDialog, the settings dialog: the two printer offsets in millimetres and the
// interface language. OK stores them in the settings record at once; the close box
// leaves them alone.
#pragma once

#include "gui/dialogframe.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class SettingsDialog : public DialogFrame {
    Q_OBJECT
public:
    SettingsDialog(quillon::Session &session, QWidget *parent);

protected:
    void onActivated() override;
    void onShown() override;

private slots:
    // Stores the typed offsets and the chosen language in the settings record and
    // closes the dialog.
    void storeSettings();

private:
    void applyCaptions();
    // Shows an offset; a longer text than can be typed is shown whole.
    static void showOffset(QLineEdit *box, qint32 offset);

    // Object names: fparametre's Image4, GroupBox1, ldecalh, edech, Label4, ldecalv,
    // edecv, Label3, GroupBox2, clangue, bok.
    QLabel *m_picture;
    QGroupBox *m_offsetGroup;
    QLabel *m_horizontalLabel;
    QLineEdit *m_horizontalBox;
    QLabel *m_horizontalUnit;
    QLabel *m_verticalLabel;
    QLineEdit *m_verticalBox;
    QLabel *m_verticalUnit;
    QGroupBox *m_languageGroup;
    QComboBox *m_languageList;
    QPushButton *m_okButton;
};
