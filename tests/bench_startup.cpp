// Start-up cost: creating the six windows and showing the main window until its
// one-time initialisation has run (system list and boxes filled, captions applied).
#include "app/application.h"
#include "app/fprincip.h"
#include "app/programfolder.h"
#include "fakes/fakeplatform.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

class BenchStartup : public QObject {
    Q_OBJECT

private slots:
    void startToMainWindowShown()
    {
        test::FakePlatform fakes;
        QTemporaryDir folder;
        setProgramFolder(folder.path());
        QBENCHMARK {
            createWindows();
            windows().fprincip->show();
            QVERIFY(QTest::qWaitForWindowExposed(windows().fprincip));
            QVERIFY(!windows().fprincip->startupPending());
            destroyWindows();
        }
    }
};

QTEST_MAIN(BenchStartup)
#include "bench_startup.moc"
