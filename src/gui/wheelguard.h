// SPDX-License-Identifier: GPL-3.0-or-later
// Drop-downs that the mouse wheel changes only when the player means it.
#pragma once

class QWidget;

// Lets the mouse wheel change a drop-down only while it has the focus, so that
// scrolling over the window never changes a number or the system behind the player's back.
void ignoreWheelUnlessFocused(QWidget *box);
