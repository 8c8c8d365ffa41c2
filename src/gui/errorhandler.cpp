// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/errorhandler.h"

#include "core/errors.h"
#include "core/platform.h"

#include <QGuiApplication>

using namespace quillon;

void showUnhandledError(const QString &text)
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    if (Prompts *prompts = platform().prompts)
        prompts->message(text, QStringLiteral("QUILLON"), Prompts::Buttons::Ok, Prompts::Icon::Error);
}

// Commands run from signal handlers and event handlers, called by Qt's event loop; an
// exception must not cross it (Qt is not exception-safe, and one escaping the loop
// ends the program). The guard ends the command where it failed, shows the player
// the message, and the program goes on waiting for the next action.
void runGuarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const QuillonError &e) {
        showUnhandledError(e.text());
    } catch (const std::exception &e) {
        // The library's own words name the failure; the sentence around them is the
        // player's language.
        showUnhandledError(
            QCoreApplication::translate("quillon", "The command stopped on an unexpected error (%1).")
                .arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        showUnhandledError(
            QCoreApplication::translate("quillon", "The command stopped on an unexpected error."));
    }
}
