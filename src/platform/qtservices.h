// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's implementations of the platform services, installed for the program.
#pragma once

#include "core/platform.h"
#include "platform/qtprompts.h"
#include "platform/qtshell.h"

// Message boxes and file dialogs, the desktop's viewer, the default printer, and the
// devices that stand in for a printer: installed as platform() for the life of the
// object, and removed with it.
class QtServices {
public:
    QtServices();
    ~QtServices();
    QtServices(const QtServices &) = delete;
    QtServices &operator=(const QtServices &) = delete;

    QtPrompts &prompts() { return m_prompts; }

private:
    QtPrompts m_prompts;
    QtShell m_shell;
};

// Installs the devices that need no printer, PDF files in memory and page pictures
// like the default printer's, leaving the other services as they are.
void installPrinterlessDevices(quillon::PlatformServices &services);
