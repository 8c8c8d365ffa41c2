// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' command buttons: a picture left of the caption.
#pragma once

#include <QStyle>

class QPushButton;

// A command button with a picture left of its caption. It never becomes a dialog's
// default button on its own, so Return in a box or a grid starts no command.
QPushButton *makePictureButton(
    QWidget *parent, const char *name, QStyle::StandardPixmap icon, const QRect &geometry, int iconSize = 24);
