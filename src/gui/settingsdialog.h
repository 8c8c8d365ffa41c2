// SettingsDialog, the settings dialog: the two printer offsets in millimetres.
// OK stores them in the settings record at once; the close box leaves them alone.
#pragma once

#include "gui/dialogframe.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class SettingsDialog : public DialogFrame {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget *parent = nullptr);

    QLabel *Image4;
    QGroupBox *GroupBox1;
    QLabel *ldecalh;
    QLineEdit *edech;
    QLabel *Label4;
    QLabel *ldecalv;
    QLineEdit *edecv;
    QLabel *Label3;
    QPushButton *bok;

    void bokClick();

protected:
    void onActivated() override;
    void onShown() override;

private:
    void applyCaptions();
    // Shows an offset; a longer text than can be typed is shown whole.
    static void showOffset(QLineEdit *box, qint32 offset);
};
