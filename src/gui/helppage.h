// SPDX-License-Identifier: GPL-3.0-or-later
// The help page, opened from every window.
#pragma once

class QWidget;

namespace quillon {
struct Session;
}

// Opens the help page next to the program in the desktop's viewer, at the section of
// the current language. The viewer is a program of its own: nothing is waited for or
// reported.
void openHelpPage(const quillon::Session &session);
// F1 (the platform's help key) opens the help page from the window.
void addHelpKey(QWidget *window, const quillon::Session &session);
