// SPDX-License-Identifier: GPL-3.0-or-later
// Takes pictures of the settings dialog, the about box and a question box as the
// running program shows them. Run under an X server (scripts/screenshots starts Xvfb):
//   quillon-settings-pictures <folder>   writes <folder>/settings.png, <folder>/about.png
//                                        and <folder>/message-box.png
#include "gui/aboutdialog.h"
#include "gui/application.h"
#include "gui/settingsdialog.h"
#include "pictures/realprogram.h"
#include "support/children.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using quillon::test::child;

namespace {

// Clicks the button; while the modal window it opens is up, saves the screen area
// it covers and closes it.
bool shoot(QPushButton *button, QDialog *dialog, const QString &file)
{
    bool saved = false;
    QTimer::singleShot(0, dialog, [&] {
        dialog->activateWindow();
        const bool active
            = QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }, 5000);
        QTest::qWait(300);
        const QRect area = dialog->frameGeometry();
        const QPixmap picture
            = dialog->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        saved = active && picture.save(file);
        dialog->reject();
    });
    button->click();
    return saved;
}

// The overwrite question of the game save, as the prompts show it, with Qt's own
// buttons in the current language.
bool shootQuestion(quillon::Prompts &prompts, const quillon::Session &session, const QString &file)
{
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QMessageBox *box = nullptr;
        (void)QTest::qWaitFor(
            [&box] { return (box = qobject_cast<QMessageBox *>(QApplication::activeWindow())); }, 5000);
        if (!box)
            return;
        QTest::qWait(300);
        const QRect area = box->frameGeometry();
        saved = box->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
        box->reject();
    });
    prompts.message(session.text(quillon::Msg::OverwriteGameQuestion),
        session.text(quillon::Msg::GameFileExists), quillon::Prompts::Buttons::YesNo,
        quillon::Prompts::Icon::Question);
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QuillonApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUILLON"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    quillon::pictures::RealProgram program;
    if (!program.start())
        return 1;
    MainWindow *main = program.mainWindow();
    bool ok = shoot(child<QPushButton>(main, "bparametre"), main->findChild<SettingsDialog *>(),
        QDir(folder).filePath(QStringLiteral("settings.png")));
    ok = shoot(child<QPushButton>(main, "binfos"), main->findChild<AboutDialog *>(),
             QDir(folder).filePath(QStringLiteral("about.png")))
        && ok;
    ok = shootQuestion(
             program.prompts(), program.session(), QDir(folder).filePath(QStringLiteral("message-box.png")))
        && ok;
    return ok ? 0 : 1;
}
