// SPDX-License-Identifier: GPL-3.0-or-later
// The look of the windows' group boxes.
#pragma once

class QWidget;

// Group boxes drawn with their title on the frame line, so that controls placed just
// below the title sit inside the frame whatever the widget style.
void applyGroupBoxStyle(QWidget *window);
