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
    explicit AboutDialog(QWidget *parent = nullptr);

    static QString versionText() { return QStringLiteral("1.22"); }

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *lversion;
    std::array<QLabel *, 4> publisherLines{};
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label10;
    QPushButton *OKButton;

    void OKButtonClick();

protected:
    void onShown() override;
};
