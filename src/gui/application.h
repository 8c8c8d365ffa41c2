// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: every event goes through the general error handler, so an
// exception that a command lets escape is shown in a message box and the program
// carries on.
#pragma once

#include <QApplication>

class QuillonApplication : public QApplication {
    Q_OBJECT
public:
    QuillonApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
