// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a file with the desktop's default viewer.
#pragma once

#include "core/platform.h"

class QtShell : public quillon::Shell {
public:
    void openUrl(const QUrl &url) override;
};
