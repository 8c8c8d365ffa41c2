// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up cost: creating the windows and showing the main window until its
// one-time initialisation has run (system list and boxes filled, captions applied).
// Built, not run by CTest:
//   QT_QPA_PLATFORM=offscreen build/bench_startup
#include "core/session.h"
#include "gui/createwindows.h"
#include "gui/mainwindow.h"
#include "support/fakeplatform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

class BenchStartup : public QObject {
    Q_OBJECT

    static void startInFolder(const QString &folder)
    {
        test::FakePlatform fakes;
        QBENCHMARK
        {
            Session session;
            session.programFolder = folder;
            const std::unique_ptr<MainWindow> main = createWindows(session);
            main->show();
            QVERIFY(QTest::qWaitForWindowExposed(main.get()));
            QVERIFY(!main->startupPending());
        }
    }

private slots:
    void startToMainWindowShown()
    {
        QTemporaryDir folder;
        startInFolder(folder.path());
    }

    // A translation file whose message 64, which goes into every system's name, is
    // 10 MB long.
    void startWithATenMegabyteText()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("quillon.lg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 10; ++i)
            file.write("header\n");
        for (int n = 1; n <= 300; ++n)
            file.write(n == 64 ? "numeros;" + QByteArray(10 << 20, 'n') + "\n" : "m;m\n");
        file.close();
        startInFolder(folder.path());
    }
};

QTEST_MAIN(BenchStartup)
#include "bench_startup.moc"
