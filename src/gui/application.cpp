// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/application.h"

#include "gui/errorhandler.h"

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
    runGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
