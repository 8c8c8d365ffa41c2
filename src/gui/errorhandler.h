// SPDX-License-Identifier: GPL-3.0-or-later
// The general error handler: an exception that a command lets escape is shown in a
// message box, and the program carries on.
#pragma once

#include <QAbstractButton>
#include <functional>

// Shows the text of an error that no command handled.
void showUnhandledError(const QString &text);

// Runs a command; whatever it throws goes to the general error handler.
void runGuarded(const std::function<void()> &command);

// Connects a button's click to a handler that runs under the general error handler.
template <class Window> void connectClick(QAbstractButton *button, Window *window, void (Window::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, window,
        [window, handler] { runGuarded([window, handler] { (window->*handler)(); }); });
}
