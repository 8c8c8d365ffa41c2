// The real program as the picture tools run it: Qt's prompts, shell and default
// printer, one session, and the windows.
#pragma once

#include "core/platform.h"
#include "core/session.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "platform/qtprintdevice.h"
#include "platform/qtprompts.h"
#include "platform/qtshell.h"

#include <QTest>

#include <cstdio>
#include <memory>

namespace quillon::pictures {

class RealProgram {
public:
    RealProgram()
    {
        platform().prompts = &m_prompts;
        platform().shell = &m_shell;
        platform().openDefaultPrinter = [] { return std::make_unique<QtPrintDevice>(); };
        m_window = createWindows(m_session);
    }
    ~RealProgram()
    {
        m_window.reset();
        platform().prompts = nullptr;
        platform().shell = nullptr;
    }
    RealProgram(const RealProgram &) = delete;
    RealProgram &operator=(const RealProgram &) = delete;

    // Shows the main window and waits until it is active and has run its start-up;
    // false, with a message, when it never became active.
    bool start()
    {
        MainWindow *main = m_window.get();
        main->show();
        // Without a window manager nobody hands out the focus; ask for it.
        if (QTest::qWaitForWindowExposed(main)) {
            main->activateWindow();
            if (QTest::qWaitForWindowActive(main) && !main->startupPending())
                return true;
        }
        std::fprintf(stderr, "the main window did not become active\n");
        return false;
    }

    MainWindow *mainWindow() const { return m_window.get(); }
    Session &session() { return m_session; }
    Prompts &prompts() { return m_prompts; }

private:
    QtPrompts m_prompts;
    QtShell m_shell;
    Session m_session;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace quillon::pictures
