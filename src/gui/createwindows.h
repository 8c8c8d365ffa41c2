// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows, created once at start-up.
#pragma once

#include <memory>

class MainWindow;

namespace quillon {
struct Session;
}

// Sets the layouts' font as the application's and creates the main window, which
// creates the five secondary windows as its children.
std::unique_ptr<MainWindow> createWindows(quillon::Session &session);
