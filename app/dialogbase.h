// Common frame of the secondary windows: a fixed-size modal dialog of a given client
// size with the gradient background and the title label labtitre.
#pragma once

#include <QDialog>

class QLabel;
class TDegradeClass;

class TQuillonDialog : public QDialog {
    Q_OBJECT
public:
    TQuillonDialog(QWidget *parent, int clientWidth, int clientHeight);

    TDegradeClass *DegradeClass1;
    QLabel *labtitre;

protected:
    // Runs each time the window becomes the active window.
    virtual void FormActivate() {}
    // Runs each time the window is shown, before it becomes active.
    virtual void FormShow() {}

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// Fonts of the original design, matched by the nearest installed family.
QFont designFont(const QString &family, int pixelHeight, bool bold = false);

// Discards typed characters that the predicate refuses, before they reach the box.
// Keys that type no character (arrows, Delete) pass.
class TCharFilter : public QObject {
    Q_OBJECT
public:
    using Predicate = bool (*)(QChar);
    TCharFilter(QObject *parent, Predicate accepts);

    // Installs a filter on a line edit or on the line edit of an editable combo box.
    static void install(QWidget *box, Predicate accepts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Predicate m_accepts;
};
