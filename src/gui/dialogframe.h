// SPDX-License-Identifier: GPL-3.0-or-later
// Common frame of the secondary windows: a fixed-size modal dialog of a given client
// size with the gradient background and the title label labtitre.
#pragma once

#include "core/session.h"

#include <QDialog>
#include <QStyle>
#include <QFont>

#include <optional>

class QLabel;
class GradientBackground;

class DialogFrame : public QDialog {
    Q_OBJECT
public:
    // Where the window appears each time it is shown.
    enum class Placement {
        OverParent,   // Qt's placement for a dialog, over its parent window
        ScreenCentre, // the middle of the screen, wherever the main window stands
    };

    DialogFrame(quillon::Session &session, QWidget *parent, int clientWidth, int clientHeight,
        Placement placement = Placement::OverParent);

protected:
    // A message's text in the current language.
    QString text(quillon::Msg message) const { return m_session.text(message); }

    // The window's caption and its title label labtitre.
    void setTitle(const QString &title);
    // The heading at the top left: a decorative picture centred in a transparent label
    // named name, and the title label at x = titleLeft beside it.
    QLabel *makeHeading(const char *name, const QRect &geometry, const QPixmap &pixmap, int titleLeft);

    // Runs each time the window becomes the active window.
    virtual void onActivated() { }
    // Runs each time the window is shown, before it becomes active.
    virtual void onShown() { }

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

    quillon::Session &m_session;
    // Object names DegradeClass1 and labtitre.
    GradientBackground *m_background;
    QLabel *m_title;

private:
    Placement m_placement;
};

// The busy pointer for the length of a scope, restored however the scope ends.
struct BusyCursor {
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

class QComboBox;
class QPushButton;

// A command button with a picture left of its caption. It never becomes a dialog's
// default button on its own, so Return in a box or a grid starts no command.
QPushButton *makePictureButton(
    QWidget *parent, const char *name, QStyle::StandardPixmap icon, const QRect &geometry, int iconSize = 24);

// A number box of the main and compare windows: an editable drop-down of at most two
// characters that lets only digits and backspace through; its Tag is its number. Without
// a font of its own, it takes its parent's.
QComboBox *makeNumberBox(
    QWidget *parent, int tag, const QRect &geometry, const std::optional<QFont> &font = std::nullopt);

// Group boxes drawn with their title on the frame line, so that controls placed just
// below the title sit inside the frame whatever the widget style.
void applyGroupBoxStyle(QWidget *window);

// A font of the window layouts, by family and pixel height. The layouts were measured
// in MS Sans Serif, System and Times New Roman; where these are not installed, the
// nearest installed family stands in.
QFont designFont(const QString &family, int pixelHeight, bool bold = false);

// Lets the mouse wheel change a drop-down only while it has the focus, so that
// scrolling over the window never changes a number or the system behind the player's back.
void ignoreWheelUnlessFocused(QWidget *box);

// Discards typed characters that the predicate refuses, before they reach the box.
// Keys that type no character (arrows, Delete) pass.
class CharFilter : public QObject {
    Q_OBJECT
public:
    using Predicate = bool (*)(QChar);
    CharFilter(QObject *parent, Predicate accepts);

    // Guards a line edit, or an editable combo box, against refused characters however
    // they come: typed keys are filtered both on the combo box, which holds the focus
    // and hands keys straight to its line edit's event handler (past any filter on the
    // line edit), and on the line edit itself; pasted and dropped text meets a validator.
    static void install(QWidget *box, Predicate accepts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Predicate m_accepts;
};
