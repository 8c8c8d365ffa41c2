// SPDX-License-Identifier: GPL-3.0-or-later
// The application object and the general error handler: an exception that a command
// lets escape is shown in a message box, and the program carries on.
#pragma once

#include <QAbstractButton>
#include <QApplication>

#include <functional>
#include <memory>

class MainWindow;

class QuillonApplication : public QApplication {
    Q_OBJECT
public:
    QuillonApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

namespace quillon {

// Shows the text of an error that no command handled.
void showUnhandledError(const QString &text);

// Runs a command; whatever it throws goes to the general error handler.
void runGuarded(const std::function<void()> &command);

// Connects a button's click to a handler that runs under the general error handler.
template <class Window>
void connectClick(QAbstractButton *button, Window *window, void (Window::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, window,
                     [window, handler] { runGuarded([window, handler] { (window->*handler)(); }); });
}

struct Session;

// Opens the help page next to the program in the desktop's viewer, at the section of
// the current language. The viewer is a program of its own: nothing is waited for or
// reported.
void openHelpPage(const Session &session);
// F1 (the platform's help key) opens the help page from the window.
void addHelpKey(QWidget *window, const Session &session);

// Sets the layouts' font as the application's and creates the main window, which
// creates the five secondary windows as its children.
std::unique_ptr<MainWindow> createWindows(Session &session);

} // namespace quillon
