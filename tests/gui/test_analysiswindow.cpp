// SPDX-License-Identifier: GPL-3.0-or-later
// The system analysis window, opened from the main window and the board list, with real
// widgets under the offscreen platform and scripted prompts; the smallest table in play
// through the board list and the game file.
#include "core/analysis/boardfile.h"
#include "core/analysis/chances.h"
#include "core/files/gamefile.h"
#include "core/wheels/catalogue.h"
#include "gui/boardlistdialog.h"
#include "gui/mainwindow.h"
#include "gui/systemanalysisdialog.h"
#include "support/children.h"
#include "support/program.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quillon;
using test::child;

class TestAnalysisWindow : public QObject, test::ProgramFixture {
    Q_OBJECT

    QTemporaryDir folder;
    QString path(const QString &name) const { return folder.filePath(name); }

    void pickSystem(int system)
    {
        auto *list = child<QComboBox>(w, "clistesystemes");
        list->setCurrentIndex(list->findData(system));
        emit list->activated(list->currentIndex());
    }

    // A wheel file the next file prompt opens.
    bool writeWheelFile(const QByteArray &content)
    {
        QFile file(path(QStringLiteral("wheel.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return false;
        fakes->prompts.fileNames.enqueue(file.fileName());
        return true;
    }

    // Clicks a button that opens the analysis window modally and runs look in it once
    // its computation is over; the window is closed afterwards.
    void inAnalysis(QWidget *from, const std::function<void(SystemAnalysisDialog *)> &look)
    {
        auto *analysis = w->findChild<SystemAnalysisDialog *>();
        QVERIFY(analysis);
        bool looked = false;
        QTimer::singleShot(0, analysis, [&] {
            const auto closing = qScopeGuard([analysis] { analysis->close(); });
            QTRY_VERIFY(analysis->isVisible() && !analysis->isComputing());
            look(analysis);
            looked = true;
        });
        child<QPushButton>(from, "banalyse")->click();
        QVERIFY(looked);
    }

private slots:
    void cleanup() { stopProgram(); }

    // System 45 (3 if 7 among 21, three disjoint boards) in the lottery drawing 7 of 39:
    // some board holds all 7 in 3 of the C(39, 7) draws.
    void figuresOfTheSystemInPlay()
    {
        QVERIFY(startIn(folder.path()));
        pickSystem(45);
        inAnalysis(w, [](SystemAnalysisDialog *a) {
            QVERIFY2(child<QLabel>(a, "lpreuve")->text().endsWith(SystemAnalysisDialog::tr("holds.")),
                qPrintable(child<QLabel>(a, "lpreuve")->text()));
            auto *lottery = child<QComboBox>(a, "cloterie");
            lottery->setCurrentIndex(lottery->findData(39));
            const QString seven = child<QTableWidget>(a, "grillechances")->item(4, 0)->text();
            QVERIFY2(seven.contains(QLocale().toString(15380937.0 / 3, 'f', 0)), qPrintable(seven));
            // A lottery that cannot hold 21 numbers shows no chances.
            lottery->setCurrentIndex(lottery->count() - 1);
            child<QSpinBox>(a, "epool")->setValue(20);
            QCOMPARE(child<QTableWidget>(a, "grillechances")->rowCount(), 0);
        });
    }

    void openingAWheelFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("fault"); // on line 2, six numbers
        QTest::newRow("a line of six") << QByteArray("1,2,3,4,5,6,7,\r\n8,9,10,11,12,13,\r\n") << true;
        QTest::newRow("two boards, holes") << QByteArray("1,2,3,4,5,6,7,\n8,9,10,11,12,13,14,\n") << false;
    }
    void openingAWheelFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, fault);
        QVERIFY(startIn(folder.path()));
        pickSystem(45);
        QVERIFY(writeWheelFile(content));
        inAnalysis(w, [&](SystemAnalysisDialog *a) {
            const QString before = child<QLabel>(a, "lroue")->text();
            child<QSpinBox>(a, "egarantie")->setValue(5);
            child<QPushButton>(a, "bouvrir")->click();
            QTRY_VERIFY(!a->isComputing());
            if (fault) {
                const QString message
                    = QCoreApplication::translate("quillon", "line %1: %2")
                          .arg(2)
                          .arg(QCoreApplication::translate("quillon", "%1 numbers instead of %2")
                                   .arg(6)
                                   .arg(7));
                QCOMPARE(fakes->prompts.messages().size(), 1);
                QVERIFY2(fakes->prompts.messages()[0].text.endsWith(message),
                    qPrintable(fakes->prompts.messages()[0].text));
                QCOMPARE(child<QLabel>(a, "lroue")->text(), before);
                return;
            }
            QVERIFY(fakes->prompts.messages().isEmpty());
            // 5 if 7 among the 14 numbers of two disjoint boards fails on every 7 numbers
            // split 3 + 4 or 4 + 3: 2 × 35 × 35 of the 3,432.
            const QString proof
                = SystemAnalysisDialog::tr("does not hold: in %L1 of them no board holds %2 numbers.")
                      .arg(2450)
                      .arg(5);
            QVERIFY2(child<QLabel>(a, "lpreuve")->text().endsWith(proof),
                qPrintable(child<QLabel>(a, "lpreuve")->text()));
            QVERIFY(child<QPlainTextEdit>(a, "ltrous")
                        ->toPlainText()
                        .startsWith(QStringLiteral("1 2 3 4 8 9 10\n")));
        });
    }
    // Two disjoint boards do not keep 5 if 7 among their 14 numbers: the holes filled, the
    // guarantee holds, and the boards saved read back with the same numbers. A search on
    // 30 numbers with an hour to go stops on Cancel and leaves the wheel as it was.
    void fillingTheHoles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("filled") << QByteArray("1,2,3,4,5,6,7,\n8,9,10,11,12,13,14,\n") << false;
        QTest::newRow("cancelled") << QByteArray(
            "1,2,3,4,5,6,7,\n8,9,10,11,12,13,14,\n15,16,17,18,19,20,21,\n22,23,24,25,26,27,28,\n"
            "24,25,26,27,28,29,30,\n")
                                   << true;
    }
    void fillingTheHoles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, cancel);
        QVERIFY(startIn(folder.path()));
        pickSystem(45);
        QVERIFY(writeWheelFile(content));
        fakes->prompts.fileNames.enqueue(path(QStringLiteral("filled.txt")));
        inAnalysis(w, [&](SystemAnalysisDialog *a) {
            child<QSpinBox>(a, "egarantie")->setValue(5);
            child<QPushButton>(a, "bouvrir")->click();
            QTRY_VERIFY(!a->isComputing());
            QVERIFY(child<QPushButton>(a, "bcombler")->isEnabled());
            QVERIFY(!child<QPushButton>(a, "breduire")->isEnabled());
            QVERIFY(!child<QPushButton>(a, "benregistrerroue")->isEnabled());
            const QString before = child<QLabel>(a, "lroue")->text();
            if (cancel)
                child<QSpinBox>(a, "esecondes")->setValue(3600);
            child<QPushButton>(a, "bcombler")->click();
            QVERIFY(a->isComputing());
            if (cancel) {
                child<QPushButton>(a, "bannuler")->click();
                QTRY_VERIFY(!a->isComputing());
                QCOMPARE(child<QLabel>(a, "lrecherche")->text(), SystemAnalysisDialog::tr("Cancelled."));
                QCOMPARE(child<QLabel>(a, "lroue")->text(), before);
                QVERIFY(!child<QPushButton>(a, "benregistrerroue")->isEnabled());
                return;
            }
            QTRY_VERIFY_WITH_TIMEOUT(!a->isComputing(), 60000);
            QVERIFY2(child<QLabel>(a, "lpreuve")->text().endsWith(SystemAnalysisDialog::tr("holds.")),
                qPrintable(child<QLabel>(a, "lpreuve")->text()));
            child<QPushButton>(a, "benregistrerroue")->click();
            QFile saved(path(QStringLiteral("filled.txt")));
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QString error;
            const BoardFile read = readBoardFile(saved.readAll(), 5, 7, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(read.numbers.size(), size_t(14));
            QVERIFY(read.wheel.boardCount() > 2);
            QVERIFY(proveGuarantee(read.wheel, 5, 7)->holds());
            QCOMPARE(child<QLabel>(a, "lrecherche")->text(),
                SystemAnalysisDialog::tr(
                    "The holes are filled: the guarantee holds with %1 boards instead of %2.")
                    .arg(read.wheel.boardCount())
                    .arg(2));
        });
    }
    // System 16 has a table of 62 boards beside the catalogue's 112. Played from the
    // analysis window, it goes to the board list and into the saved game (offset 24 = 1);
    // loading that game brings it back. A game with the catalogue's table is saved as
    // before, byte for byte.
    void smallestTableInPlay()
    {
        QVERIFY(startIn(folder.path()));
        pickSystem(16);
        fakes->prompts.fileNames.enqueue(path(QStringLiteral("catalogue.qz")));
        child<QPushButton>(w, "brengjeu")->click();
        GameRecord before;
        Selection picked;
        fillGameRecord(before, picked, 16, w->boxTexts());
        QFile catalogue(path(QStringLiteral("catalogue.qz")));
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        QCOMPARE(catalogue.readAll(), QByteArray(before.bytes.data(), kGameRecordSize));

        inAnalysis(w, [this](SystemAnalysisDialog *a) {
            QVERIFY(child<QLabel>(a, "lpluspetite")->text().contains(QStringLiteral("62")));
            child<QPushButton>(a, "bjouerpetite")->click();
            QTRY_VERIFY(!a->isComputing());
            QVERIFY(session->wheel.isSmallestTable());
            QCOMPARE(session->boards.boardCount, 62);
            QVERIFY(child<QLabel>(a, "lroue")->text().contains(QStringLiteral("62")));
        });
        fakes->prompts.fileNames.enqueue(path(QStringLiteral("smallest.qz")));
        child<QPushButton>(w, "brengjeu")->click();
        QFile smallest(path(QStringLiteral("smallest.qz")));
        QVERIFY(smallest.open(QIODevice::ReadOnly));
        const QByteArray saved = smallest.readAll();
        QCOMPARE(saved.at(24), char(1));
        QCOMPARE(
            saved.left(24) + saved.mid(25), QByteArray(before.bytes.data(), kGameRecordSize).remove(24, 1));

        // Another system, then each game loaded in turn.
        pickSystem(45);
        for (const auto &[file, table] : { std::pair("smallest.qz", 62), std::pair("catalogue.qz", 112) }) {
            fakes->prompts.fileNames.enqueue(path(QLatin1String(file)));
            child<QPushButton>(w, "bchargejeu")->click();
            auto *list = w->findChild<BoardListDialog *>();
            bool looked = false;
            QTimer::singleShot(0, list, [&, table = table] {
                const auto closing = qScopeGuard([list] { list->close(); });
                QTRY_VERIFY(list->isActiveWindow());
                QCOMPARE(child<QLabel>(list, "lnbtickets")->text(), QString::number(table));
                QCOMPARE(list->windowTitle().contains(
                             SystemAnalysisDialog::tr("%1 — smallest table").arg(QString())),
                    table == 62);
                looked = true;
            });
            child<QPushButton>(w, "bvoirtick")->click();
            QVERIFY(looked);
        }
    }
    // Cancel stops the counting of the heaviest system and shows no figures; counted
    // again, the figures print as lines that fit the page.
    void cancelThenPrint()
    {
        QVERIFY(startIn(folder.path()));
        pickSystem(115);
        auto *a = w->findChild<SystemAnalysisDialog *>();
        bool looked = false;
        QTimer::singleShot(0, a, [&] {
            const auto closing = qScopeGuard([a] { a->close(); });
            QTRY_VERIFY(a->isVisible());
            QVERIFY(a->isComputing());
            QVERIFY(child<QPushButton>(a, "bannuler")->isEnabled());
            child<QPushButton>(a, "bannuler")->click();
            QTRY_VERIFY(!a->isComputing());
            QCOMPARE(child<QLabel>(a, "lpreuve")->text(), SystemAnalysisDialog::tr("Cancelled."));
            QCOMPARE(child<QTableWidget>(a, "grillechances")->rowCount(), 0);
            QVERIFY(!child<QPushButton>(a, "bimprime")->isEnabled());

            child<QPushButton>(a, "bverifier")->click();
            QTRY_VERIFY_WITH_TIMEOUT(!a->isComputing(), 20000);
            child<QPushButton>(a, "bimprime")->click();
            QCOMPARE(fakes->printLog->documents.size(), 1);
            const test::PrintedDocument &printed = fakes->printLog->documents.first();
            QVERIFY(printed.ended);
            QStringList lines;
            for (const QList<test::PrintOp> &page : printed.pages)
                for (const test::PrintOp &op : page) {
                    lines << op.text;
                    QVERIFY(op.x + fakes->printLog->textWidth(op.text, op.pointSize)
                        <= fakes->printLog->page.width());
                }
            QVERIFY(printed.pages.size() >= 2);
            QVERIFY(lines.contains(QStringLiteral("coverage,1,1,1")));
            QCOMPARE(lines.filter(QStringLiteral("chance,49,7,")).size(), 1);
            looked = true;
        });
        child<QPushButton>(w, "banalyse")->click();
        QVERIFY(looked);
    }
    // F7 in the board list opens the analysis of the wheel it lists.
    void fromTheBoardListByKey()
    {
        QVERIFY(startIn(folder.path()));
        pickSystem(16);
        auto *list = w->findChild<BoardListDialog *>();
        auto *analysis = w->findChild<SystemAnalysisDialog *>();
        bool looked = false;
        QTimer::singleShot(0, list, [&] {
            const auto closingList = qScopeGuard([list] { list->close(); });
            QTRY_VERIFY(list->isActiveWindow());
            QTimer::singleShot(0, analysis, [&] {
                const auto closing = qScopeGuard([analysis] { analysis->close(); });
                QTRY_VERIFY(analysis->isVisible() && !analysis->isComputing());
                QVERIFY(child<QLabel>(analysis, "lpreuve")->text().contains(QLocale().toString(1716)));
                looked = true;
            });
            QTest::keyClick(list, Qt::Key_F7);
        });
        child<QPushButton>(w, "bvoirtick")->click();
        QVERIFY(looked);
    }
};

QTEST_MAIN(TestAnalysisWindow)
#include "test_analysiswindow.moc"
