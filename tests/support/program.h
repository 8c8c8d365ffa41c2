// Starting the real program in a window test.
#pragma once

class QWidget;
class MainWindow;

namespace quillon::test {

// Creates the six windows and shows the main window; returns it once it is active and
// has run its one-time initialisation, or null when it never became active.
MainWindow *startProgram();

// Shows a secondary window and waits until it is the application's active window, so
// that its activation handler has run. Under the offscreen platform a modal dialog
// counts as active as soon as its parent is, which is why the window itself is asked.
bool showActive(QWidget *window);

} // namespace quillon::test
