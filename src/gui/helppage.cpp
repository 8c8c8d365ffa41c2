// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/helppage.h"

#include "core/files/helpfile.h"
#include "core/platform.h"
#include "core/session.h"
#include "core/text/translator.h"
#include "gui/errorhandler.h"

#include <QShortcut>

using namespace quillon;

void openHelpPage(const Session &session)
{
    if (Shell *shell = platform().shell)
        shell->openUrl(helpPageUrl(session.programFolder, translationSuffix(session.language())));
}

void addHelpKey(QWidget *window, const Session &session)
{
    auto *key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window,
        [&session] { runGuarded([&session] { openHelpPage(session); }); });
}
