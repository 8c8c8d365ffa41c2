// SPDX-License-Identifier: GPL-3.0-or-later
// AboutDialog, the about box: product name, version and the disclaimer in the current
// language. Its texts are set anew each time it is shown.
#pragma once

#include "gui/dialogframe.h"

#include <array>

class QFrame;
class QPushButton;

class AboutDialog : public DialogFrame {
    Q_OBJECT
public:
    AboutDialog(quillon::Session &session, QWidget *parent);

    // The version number given to project() in the top CMakeLists.txt.
    static QString versionText();

protected:
    void onShown() override;

private:
    // Object names: apropos's Panel1, ProgramIcon, ProductName, lversion, Label8,
    // Label9, Label10, OKButton.
    QFrame *m_panel;
    QLabel *m_programIcon;
    QLabel *m_productName;
    QLabel *m_version;
    std::array<QLabel *, 4> m_publisherLines {};
    QLabel *m_disclaimer1;
    QLabel *m_disclaimer2;
    QLabel *m_disclaimer3;
    QPushButton *m_okButton;
};
