// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes, file dialogs and the warning beep through Qt Widgets.
#pragma once

#include "core/platform.h"

class QtPrompts : public quillon::Prompts {
public:
    Answer message(const QString &text, const QString &caption, Buttons buttons, Icon icon) override;
    QString saveFileName(const FileDialog &dialog) override;
    QString openFileName(const FileDialog &dialog) override;
    void beep() override;
};
