#include "support/program.h"

#include "gui/application.h"
#include "gui/mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace quillon::test {

std::unique_ptr<MainWindow> startProgram(Session &session)
{
    std::unique_ptr<MainWindow> main = createWindows(session);
    main->show();
    if (!QTest::qWaitForWindowActive(main.get()) || main->startupPending())
        return nullptr;
    return main;
}

bool showActive(QWidget *window)
{
    window->show();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

bool ProgramFixture::startIn(const QString &programFolder)
{
    fakes = std::make_unique<FakePlatform>();
    session = std::make_unique<Session>();
    session->programFolder = programFolder;
    mainWindow = startProgram(*session);
    w = mainWindow.get();
    return w != nullptr;
}

void ProgramFixture::stopProgram()
{
    w = nullptr;
    mainWindow.reset();
    session.reset();
    fakes.reset();
}

void typeInto(QComboBox *box, const QString &keys)
{
    box->lineEdit()->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, keys);
}

} // namespace quillon::test
