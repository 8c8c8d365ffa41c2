// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/groupboxstyle.h"

#include <QWidget>

void applyGroupBoxStyle(QWidget *window)
{
    window->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid rgb(160, 170, 150); border-radius: 3px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px;"
        " padding: 0px 3px; }"));
}
