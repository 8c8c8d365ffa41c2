// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/application.h"

#include "gui/dialogframe.h"
#include "core/errors.h"
#include "gui/mainwindow.h"
#include "core/files/helpfile.h"
#include "core/platform.h"
#include "core/session.h"
#include "core/text/translator.h"

#include <QGuiApplication>
#include <QShortcut>

QuillonApplication::QuillonApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

// Every event handler runs from here, so this is the last place an exception can be
// caught: letting one propagate through Qt's event loop is undefined behaviour and in
// practice ends the program. Caught here, the player sees the message and the program
// carries on with the next event.
bool QuillonApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    quillon::runGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

namespace quillon {

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

void openHelpPage(const Session &session)
{
    if (Shell *shell = platform().shell)
        shell->openUrl(helpPageUrl(session.programFolder, translationSuffix(session.language())));
}

void addHelpKey(QWidget *window, const Session &session)
{
    auto *key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window, [&session] { runGuarded([&session] { openHelpPage(session); }); });
}

std::unique_ptr<MainWindow> createWindows(Session &session)
{
    // The design font is the default: controls inside styled group boxes take the
    // application's font rather than their window's.
    QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    return std::make_unique<MainWindow>(session);
}

} // namespace quillon
