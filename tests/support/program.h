// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the real program in a window test, and typing into it.
#pragma once

#include "core/session.h"
#include "gui/mainwindow.h"
#include "support/fakeplatform.h"

#include <QString>
#include <memory>

class QComboBox;
class QWidget;

namespace quillon::test {

// Creates the windows on the session and shows the main window; returns it once it is
// active and has run its one-time initialisation, or null when it never became active.
std::unique_ptr<MainWindow> startProgram(Session &session);

// Shows a secondary window and waits until it is the application's active window, so
// that its activation handler has run. Under the offscreen platform a modal dialog
// counts as active as soon as its parent is, which is why the window itself is asked.
bool showActive(QWidget *window);

// The program run by one window test: the scripted platform, a fresh session on the
// program folder, and the main window. A test class derives from it (after QObject), calls startIn() in each
// test and stopProgram() from cleanup().
class ProgramFixture {
protected:
    // Starts the program afresh on a new scripted platform, with programFolder as its
    // folder; false when the main window never became active.
    bool startIn(const QString &programFolder);
    // Closes every window and drops the platform, so that the next test starts afresh.
    void stopProgram();

    std::unique_ptr<FakePlatform> fakes;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> mainWindow;
    MainWindow *w = nullptr; // mainWindow, for short
};

// Types into a number box as the window system does: to the combo box, which holds the
// focus, not to its line edit. The old text is selected and erased first, so that empty
// keys clear the box.
void typeInto(QComboBox *box, const QString &keys);

// One notch of the mouse wheel, handed to the control (a wheel turn over a box's line
// edit travels up to the box; that path is driven through a real X server).
void turnWheelOver(QWidget *widget);

// Each message box of the scripted prompts becomes a real modal box for a moment: it
// takes the activation from the window that asked, and that window becomes active
// again once the box closes, as with a QMessageBox. The scripted answer follows.
void showRealBoxes(FakePrompts &prompts);

} // namespace quillon::test
