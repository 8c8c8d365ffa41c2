// Tfparametre, the settings dialog: the two printer offsets in millimetres.
// OK stores them in the settings record at once; the close box leaves them alone.
#pragma once

#include "gui/dialogbase.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class Tfparametre : public TQuillonDialog {
    Q_OBJECT
public:
    explicit Tfparametre(QWidget *parent = nullptr);

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
    void FormActivate() override;
    void FormShow() override;

private:
    void applyCaptions();
    // Shows an offset; a longer text than can be typed is shown whole.
    static void showOffset(QLineEdit *box, qint32 offset);
};
