// The ticket printing dialog with real widgets under the offscreen platform.
#include "app/application.h"
#include "app/fprincip.h"
#include "app/messages.h"
#include "app/programfolder.h"
#include "engine/boardlist.h"
#include "engine/catalogue.h"
#include "engine/selection.h"
#include "fakes/fakeplatform.h"
#include "i18n/language.h"
#include "output/fimprime.h"
#include "output/tickettypes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quillon;

class TestFimprime : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakePlatform> fakes;
    QTemporaryDir folder;
    Tfimprime *d = nullptr;

    // Starts the program with 16 boards generated (system 4) and opens the dialog.
    void open()
    {
        if (!fakes) {
            fakes = std::make_unique<test::FakePlatform>();
            setProgramFolder(folder.path());
            createWindows();
            windows().fprincip->show();
            QVERIFY(QTest::qWaitForWindowActive(windows().fprincip));
            for (int p = 1; p <= kSlotCount; ++p)
                selection().numbers[size_t(p)] = p;
            generate(4);
            d = windows().fimprime;
        }
        d->show();
        // The transient dialog counts as active as soon as its parent is; wait until
        // it really is the active window, which runs its activation handler.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(d));
    }

    void setRange(const QString &first, const QString &last)
    {
        d->Gpremier->setText(first);
        d->gdernier->setText(last);
    }

private slots:
    void cleanup()
    {
        destroyWindows();
        d = nullptr;
        fakes.reset();
        setCurrentLanguage(French);
    }

    void opensWithTheFiveTypesAndTheWholeRange()
    {
        open();
        QCOMPARE(d->size(), QSize(508, 215));
        QCOMPARE(d->windowTitle(), QStringLiteral("Imprimer les Tickets"));
        QCOMPARE(d->labtitre->text(), QStringLiteral("Imprimer les Tickets"));
        QCOMPARE(d->GroupBox2->title(), QStringLiteral("Type d' impression"));
        QCOMPARE(d->bimpunbull->text(), QStringLiteral("Imprimer un ticket à la fois"));
        QCOMPARE(d->ComboBox1->count(), kTicketTypeCount);
        QCOMPARE(d->ComboBox1->itemText(0), QStringLiteral("QUEBEC LOTTO MAX "));
        QCOMPARE(d->ComboBox1->currentIndex(), 0);
        QCOMPARE(d->Gpremier->text(), QStringLiteral("1"));
        QCOMPARE(d->gdernier->text(), QStringLiteral("16"));
        QVERIFY(d->bimptsbull->isChecked());

        // Only the printing mode outlives a closing.
        d->ComboBox1->setCurrentIndex(3);
        d->bimpunbull->setChecked(true);
        setRange(QStringLiteral("3"), QStringLiteral("4"));
        QTest::mouseClick(d->boutannule, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QVERIFY(fakes->printLog->documents.isEmpty());
        generate(2);
        open();
        QCOMPARE(d->ComboBox1->currentIndex(), 0);
        QCOMPARE(d->Gpremier->text(), QStringLiteral("1"));
        QCOMPARE(d->gdernier->text(), QStringLiteral("10"));
        QVERIFY(d->bimpunbull->isChecked());
    }

    void captionsFollowTheLanguage()
    {
        open();
        d->reject();
        // The language is fixed once the program has started.
        setCurrentLanguage(English);
        open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Print the tickets"));
        QCOMPARE(d->Label3->text(), QStringLiteral("Ticket's type"));
        QCOMPARE(d->GroupBox3->title(), QStringLiteral("Boards to print"));
        QCOMPARE(d->bimpunbull->text(), QStringLiteral("Stop after each ticket"));
        QCOMPARE(d->boutlancer->text(), QStringLiteral("Print"));
    }

    void rangeBoxesTakeOnlyDigits_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("keys"); // Qt key codes; letters and digits as typed
        QTest::addColumn<QString>("result");
        QTest::newRow("letters are dropped") << QStringLiteral("1") << QList<int>{Qt::Key_A, Qt::Key_2, Qt::Key_Minus}
                                             << QStringLiteral("12");
        QTest::newRow("backspace is dropped") << QStringLiteral("12") << QList<int>{Qt::Key_Backspace}
                                              << QStringLiteral("12");
        QTest::newRow("delete works") << QStringLiteral("12") << QList<int>{Qt::Key_Home, Qt::Key_Delete}
                                      << QStringLiteral("2");
        QTest::newRow("at most four digits") << QString() << QList<int>{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5}
                                             << QStringLiteral("1234");
    }
    void rangeBoxesTakeOnlyDigits()
    {
        QFETCH(QString, start);
        QFETCH(QList<int>, keys);
        QFETCH(QString, result);
        open();
        for (QLineEdit *box : {d->Gpremier, d->gdernier}) {
            box->setText(start);
            box->setFocus();
            box->end(false);
            for (int key : keys)
                QTest::keyClick(box, Qt::Key(key));
            QCOMPARE(box->text(), result);
        }
    }

    void refusedRangesPrintNothing_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("first 0") << QStringLiteral("0") << QStringLiteral("5");
        QTest::newRow("first empty") << QString() << QStringLiteral("5");
        QTest::newRow("last above G") << QStringLiteral("1") << QStringLiteral("17");
        QTest::newRow("last below first") << QStringLiteral("7") << QStringLiteral("3");
        QTest::newRow("last empty") << QStringLiteral("1") << QString();
    }
    void refusedRangesPrintNothing()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        open();
        setRange(first, last);
        QTest::mouseClick(d->boutlancer, Qt::LeftButton);
        const auto messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Numéros des grilles à imprimer incorrect"));
        QCOMPARE(messages[0].caption, QStringLiteral("Problème"));
        QCOMPARE(messages[0].buttons, Prompts::Buttons::Ok);
        QCOMPARE(messages[0].icon, Prompts::Icon::Warning);
        QCOMPARE(fakes->printLog->devicesOpened, 0);
        QVERIFY(d->isVisible());
        QCOMPARE(d->Gpremier->text(), first);
        QCOMPARE(d->gdernier->text(), last);
    }

    void printsTheRangeAndCloses_data()
    {
        QTest::addColumn<bool>("stopEachTicket");
        QTest::addColumn<QList<Prompts::Answer>>("answers");
        QTest::addColumn<int>("documents");
        QTest::addColumn<int>("prompts");
        QTest::newRow("all tickets") << false << QList<Prompts::Answer>{} << 2 << 0;
        QTest::newRow("one at a time") << true << QList<Prompts::Answer>{Prompts::Answer::Ok} << 2 << 1;
        QTest::newRow("cancelled") << true << QList<Prompts::Answer>{Prompts::Answer::Cancel} << 1 << 1;
    }
    void printsTheRangeAndCloses()
    {
        QFETCH(bool, stopEachTicket);
        QFETCH(QList<Prompts::Answer>, answers);
        QFETCH(int, documents);
        QFETCH(int, prompts);
        open();
        // Type 4 takes four boards: 3 … 6 on the first ticket, 7 on the second.
        d->ComboBox1->setCurrentIndex(3);
        (stopEachTicket ? d->bimpunbull : d->bimptsbull)->setChecked(true);
        setRange(QStringLiteral("3"), QStringLiteral("7"));
        for (Prompts::Answer a : answers)
            fakes->prompts.answers.enqueue(a);
        QTest::mouseClick(d->boutlancer, Qt::LeftButton);
        QCOMPARE(fakes->prompts.messages().size(), prompts);
        QCOMPARE(fakes->printLog->documents.size(), documents);
        QCOMPARE(fakes->printLog->documents[0].pages[0].size(), 28);
        QCOMPARE(fakes->printLog->documents[0].pages[0][0].kind, test::PrintOp::Rect);
        if (documents == 2)
            QCOMPARE(fakes->printLog->documents[1].pages[0].size(), 7);
        QVERIFY(!d->isVisible());
    }

    void aPrinterFailureKeepsTheDialogOpen()
    {
        open();
        fakes->printLog->failBegin = true;
        QTest::mouseClick(d->boutlancer, Qt::LeftButton);
        const auto messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("No printer available"));
        QCOMPARE(messages[0].icon, Prompts::Icon::Error);
        QVERIFY(d->isVisible());
    }

    void theMainWindowOpensItOnFreshBoards()
    {
        fakes = std::make_unique<test::FakePlatform>();
        setProgramFolder(folder.path());
        createWindows();
        d = windows().fimprime;
        Tfprincip *w = windows().fprincip;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        const int boards = systemDescriptor(w->selectedSystem()).boardCount;
        QString range;
        QTimer::singleShot(0, d, [this, &range] {
            // Whatever happens here, the dialog closes so that the click returns.
            const auto close = qScopeGuard([this] {
                if (d->isVisible())
                    d->reject();
            });
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), static_cast<QWidget *>(d), 2000);
            range = d->Gpremier->text() + QLatin1Char('-') + d->gdernier->text();
            QTest::mouseClick(d->boutlancer, Qt::LeftButton);
        });
        QTest::mouseClick(w->bimprimetickets, Qt::LeftButton);
        QCOMPARE(range, QStringLiteral("1-%1").arg(boards));
        QVERIFY(!fakes->printLog->documents.isEmpty());
    }
};

QTEST_MAIN(TestFimprime)
#include "test_fimprime.moc"
