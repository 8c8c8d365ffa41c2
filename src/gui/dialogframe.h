// SPDX-License-Identifier: GPL-3.0-or-later
// Common frame of the secondary windows: a fixed-size modal dialog of a given client
// size with the gradient background and the title label labtitre.
#pragma once

#include "core/session.h"

#include <QDialog>

class QLabel;
class GradientBackground;

class DialogFrame : public QDialog {
    Q_OBJECT
public:
    // Where the window appears each time it is shown.
    enum class Placement {
        OverParent, // Qt's placement for a dialog, over its parent window
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
