// SPDX-License-Identifier: GPL-3.0-or-later
// The real program as the picture tools run it: Qt's prompts, shell and default
// printer, one session, and the windows.
#pragma once

#include "core/platform.h"
#include "core/session.h"
#include "core/wheels/catalogue.h"
#include "gui/createwindows.h"
#include "gui/mainwindow.h"
#include "platform/qtservices.h"
#include "support/children.h"

#include <QComboBox>
#include <QTest>
#include <cstdio>
#include <memory>

namespace quillon::pictures {

class RealProgram {
public:
    RealProgram() { m_window = createWindows(m_session); }
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

    // The game of the pictures: system 7 (5 numbers if 5 among 14, 138 boards) over
    // sixteen numbers, as if the player had picked and typed them.
    static constexpr int kSystem = 7;
    static constexpr int kNumbers[] = { 3, 7, 11, 14, 18, 22, 25, 29, 31, 34, 38, 41, 44, 47, 49, 50 };
    void enterTheGame()
    {
        MainWindow *main = m_window.get();
        main->selectSystemByIndex(kSystem);
        main->applySelectionBoxRule();
        for (int tag = 1; tag <= systemDescriptor(kSystem).poolSize; ++tag)
            test::numberBox(main, tag)->setEditText(QString::number(kNumbers[tag - 1]));
    }

    MainWindow *mainWindow() const { return m_window.get(); }
    Session &session() { return m_session; }
    Prompts &prompts() { return m_services.prompts(); }

private:
    QtServices m_services;
    Session m_session;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace quillon::pictures
