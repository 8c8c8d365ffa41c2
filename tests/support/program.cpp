// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/program.h"

#include "gui/createwindows.h"
#include "gui/mainwindow.h"
#include "platform/qtservices.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

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
    // The printer is scripted; the devices that stand in for a missing one are Qt's.
    installPrinterlessDevices(platform());
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

void turnWheelOver(QWidget *widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

namespace {

// Counts the activations a window receives.
class ActivationCounter : public QObject {
public:
    explicit ActivationCounter(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate)
            ++count;
        return false;
    }
};

} // namespace

void showRealBoxes(FakePrompts &prompts)
{
    prompts.onMessage = [](const FakePrompts::Call &call) {
        const QPointer<QWidget> owner = QApplication::activeWindow();
        QVERIFY2(owner, "a message box was asked for with no window active");
        auto *activations = new ActivationCounter(owner);
        {
            QMessageBox box(QMessageBox::NoIcon, call.caption, call.text, QMessageBox::Ok, owner);
            bool boxWasActive = false;
            QTimer::singleShot(0, &box, [&box, &boxWasActive] {
                boxWasActive = QTest::qWaitForWindowActive(&box);
                box.accept();
            });
            box.exec();
            QVERIFY2(boxWasActive, "the message box never became active");
        }
        // A window manager hands the activation back to the window under the box; where
        // the platform does not, the helper does it in its place.
        if (owner && !QTest::qWaitFor([&] { return activations->count > 0; }, 500))
            owner->activateWindow();
        QVERIFY2(owner && QTest::qWaitFor([&] { return activations->count > 0; }),
            "the window did not become active again after the message box");
        delete activations;
    };
}

} // namespace quillon::test
