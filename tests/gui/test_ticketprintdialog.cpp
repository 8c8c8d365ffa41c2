// SPDX-License-Identifier: GPL-3.0-or-later
// The ticket printing dialog with real widgets under the offscreen platform.
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/ticketpreviewwindow.h"
#include "gui/ticketprintdialog.h"
#include "support/children.h"
#include "support/fakeplatform.h"
#include "support/program.h"
#include "support/storagefiles.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quillon;
using test::child;
using test::numberBox;

class TestTicketPrintDialog : public QObject, test::ProgramFixture {
    Q_OBJECT

    QTemporaryDir folder;
    TicketPrintDialog *d = nullptr;

    // Starts the program once, with the boards of system s, and opens the dialog.
    void open(int system = 4)
    {
        if (!fakes) {
            QVERIFY(startIn(folder.path()));
            d = test::dialog<TicketPrintDialog>(w);
        }
        generate(Wheel::fromCatalogue(system), session->boards);
        QVERIFY(test::showActive(d));
    }

private slots:
    void cleanup() { stopProgram(); }

    void eachOpeningStartsAfreshButTheMode()
    {
        open(4);
        QCOMPARE(child<QComboBox>(d, "ComboBox1")->count(), 5);
        QCOMPARE(child<QComboBox>(d, "ComboBox1")->currentIndex(), 0);
        QCOMPARE(child<QLineEdit>(d, "Gpremier")->text() + '-' + child<QLineEdit>(d, "gdernier")->text(),
            QStringLiteral("1-16"));
        QVERIFY(child<QRadioButton>(d, "bimptsbull")->isChecked());
        child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
        child<QRadioButton>(d, "bimpunbull")->setChecked(true);
        child<QLineEdit>(d, "Gpremier")->setText(QStringLiteral("3"));
        QTest::mouseClick(child<QPushButton>(d, "boutannule"), Qt::LeftButton);
        QVERIFY(!d->isVisible());

        open(2);
        QCOMPARE(child<QComboBox>(d, "ComboBox1")->currentIndex(), 0);
        QCOMPARE(child<QLineEdit>(d, "Gpremier")->text() + '-' + child<QLineEdit>(d, "gdernier")->text(),
            QStringLiteral("1-10"));
        QVERIFY(child<QRadioButton>(d, "bimpunbull")->isChecked());
        QCOMPARE(fakes->printLog->devicesOpened, 0);
    }

    void rangeBoxesTakeOnlyDigits()
    {
        open();
        for (QLineEdit *box : { child<QLineEdit>(d, "Gpremier"), child<QLineEdit>(d, "gdernier") }) {
            box->setText(QStringLiteral("12"));
            for (Qt::Key key : { Qt::Key_A, Qt::Key_3, Qt::Key_Minus, Qt::Key_Backspace })
                QTest::keyClick(box, key);
            QCOMPARE(box->text(), QStringLiteral("123"));
            // Keys that type no character work as usual.
            QTest::keyClick(box, Qt::Key_Home);
            QTest::keyClick(box, Qt::Key_Delete);
            QCOMPARE(box->text(), QStringLiteral("23"));
        }
    }

    void printButton_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("stopEachTicket");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<QString>("message"); // the one message shown, if any
        QTest::addColumn<int>("documents");
        const QString refused = QStringLiteral("Numéros des grilles à imprimer incorrect/Problème");
        QTest::newRow("first 0") << "0"
                                 << "5" << false << false << refused << 0;
        QTest::newRow("first empty") << ""
                                     << "5" << false << false << refused << 0;
        QTest::newRow("last above G") << "1"
                                      << "17" << false << false << refused << 0;
        QTest::newRow("last below first") << "7"
                                          << "3" << false << false << refused << 0;
        // The ends of the range are boards like the others.
        QTest::newRow("first 1") << "1"
                                 << "4" << false << false << QString() << 1;
        QTest::newRow("last G") << "13"
                                << "16" << false << false << QString() << 1;
        // UK DAILY PLAY takes four boards: 3 … 6 on the first ticket, 7 on the second.
        QTest::newRow("all tickets") << "3"
                                     << "7" << false << false << QString() << 2;
        QTest::newRow("one at a time, Cancel")
            << "3"
            << "7" << true << false
            << QStringLiteral("Insérez le prochain ticket et appuyez sur OK/Impression bulletin") << 1;
        QTest::newRow("no printer") << "3"
                                    << "7" << false << true << QStringLiteral("No printer available/QUILLON")
                                    << 0;
    }
    void printButton()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(bool, stopEachTicket);
        QFETCH(bool, failing);
        QFETCH(QString, message);
        QFETCH(int, documents);
        open();
        child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
        (stopEachTicket ? child<QRadioButton>(d, "bimpunbull") : child<QRadioButton>(d, "bimptsbull"))
            ->setChecked(true);
        child<QLineEdit>(d, "Gpremier")->setText(first);
        child<QLineEdit>(d, "gdernier")->setText(last);
        fakes->prompts.answers.enqueue(Prompts::Answer::Cancel);
        fakes->printLog->failBegin = failing;
        QTest::mouseClick(child<QPushButton>(d, "boutlancer"), Qt::LeftButton);
        QStringList shown;
        for (const auto &call : fakes->prompts.messages())
            shown.append(call.text + '/' + call.caption);
        QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList { message });
        QCOMPARE(fakes->printLog->documents.size(), documents);
        if (documents > 0)
            QCOMPARE(fakes->printLog->documents[0].pages[0].size(), 28);
        // Printing closes the dialog; a refused range or a failure leaves it open as typed.
        QCOMPARE(d->isVisible(), documents == 0);
        QCOMPARE(child<QLineEdit>(d, "Gpremier")->text() + '-' + child<QLineEdit>(d, "gdernier")->text(),
            first + '-' + last);
    }
    // Without a printer the tickets go to PDF files, one a ticket, all or nothing.
    // Files of an earlier, longer run are named in the question and replaced or
    // removed only when the player agrees; a disk that stops taking bytes leaves every
    // one of them as it was and says which file failed and why.
    void withoutAPrinterTicketsGoToPdfFiles_data()
    {
        QTest::addColumn<int>("earlierRun"); // tickets-1.pdf … tickets-N.pdf already there
        QTest::addColumn<bool>("agree");
        QTest::addColumn<qint64>("sizeLimit"); // -1: none
        QTest::newRow("fresh folder") << 0 << true << -1LL;
        QTest::newRow("earlier run of 8, replaced") << 8 << true << -1LL;
        QTest::newRow("earlier run of 8, kept") << 8 << false << -1LL;
        // Each ticket's PDF takes some 1,300 bytes.
        QTest::newRow("disk stops taking bytes") << 8 << true << 1000LL;
    }
    void withoutAPrinterTicketsGoToPdfFiles()
    {
        QFETCH(int, earlierRun);
        QFETCH(bool, agree);
        QFETCH(qint64, sizeLimit);
        open();
        QTemporaryDir saved;
        const auto path = [&](int n) { return saved.filePath(QStringLiteral("tickets-%1.pdf").arg(n)); };
        for (int n = 1; n <= earlierRun; ++n)
            test::writeFile(path(n), "ticket " + QByteArray::number(n) + " of the earlier run");
        const auto contents = [&] {
            QStringList files;
            for (const QString &name :
                QDir(saved.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
                files.append(name + '=' + QString::fromLatin1(test::readFile(saved.filePath(name)).left(24)));
            return files;
        };
        const QStringList before = contents();
        fakes->printLog->installed = false;
        // UK DAILY PLAY, four boards a ticket: sixteen boards make four tickets.
        child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
        fakes->prompts.fileNames.enqueue(saved.filePath(QStringLiteral("tickets.pdf")));
        fakes->prompts.answers.append(
            { Prompts::Answer::Yes, agree ? Prompts::Answer::Yes : Prompts::Answer::No });
        {
            const std::unique_ptr<test::FileSizeLimit> limit(
                sizeLimit < 0 ? nullptr : new test::FileSizeLimit(sizeLimit));
            QTest::mouseClick(child<QPushButton>(d, "boutlancer"), Qt::LeftButton);
        }

        const auto messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), earlierRun > 0 ? 3 - int(!agree) : 2);
        if (earlierRun > 0) {
            const QString question = messages[1].text;
            for (int n = 1; n <= earlierRun; ++n)
                QVERIFY2(question.contains(QDir::toNativeSeparators(path(n))), qPrintable(question));
            QVERIFY2(question.indexOf(QStringLiteral("tickets-4.pdf"))
                    < question.indexOf(QStringLiteral("tickets-5.pdf")),
                qPrintable(question));
            QVERIFY(question.endsWith(QStringLiteral("Continuer quand même ?")));
            QCOMPARE(messages[1].buttons, Prompts::Buttons::YesNo);
        }
        const bool written = agree && sizeLimit < 0;
        QCOMPARE(d->isVisible(), !written);
        QCOMPARE(fakes->printLog->documents.size(), 0);
        if (!written) {
            QCOMPARE(contents(), before);
            if (agree) {
                QVERIFY2(messages.last().text.contains(
                             QDir::toNativeSeparators(path(1)) + QStringLiteral(": File too large")),
                    qPrintable(messages.last().text));
                QCOMPARE(messages.last().icon, Prompts::Icon::Warning);
            }
            return;
        }
        QStringList files;
        for (int n = 1; n <= 4; ++n) {
            files.append(QDir::toNativeSeparators(path(n)));
            const QByteArray pdf = test::readFile(path(n));
            QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
        }
        QCOMPARE(QDir(saved.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList { "tickets-1.pdf", "tickets-2.pdf", "tickets-3.pdf", "tickets-4.pdf" }));
        QCOMPARE(messages.last().text,
            QStringLiteral("Les pages ont été enregistrées dans :\n") + files.join('\n'));
    }

    // The preview pages through the tickets of the range as printing would fill
    // them, and feeds no ticket; a range refused for printing is refused here too.
    void previewButton_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("pages"); // the ticket label at each page, paging forward
        QTest::addColumn<QString>("message");
        // UK DAILY PLAY takes four boards: 3 … 6, 7 … 10, 11 … 14.
        QTest::newRow("three tickets")
            << "3"
            << "14" << QStringList { "Ticket 1 sur 3", "Ticket 2 sur 3", "Ticket 3 sur 3" } << QString();
        QTest::newRow("last below first")
            << "7"
            << "3" << QStringList {} << QStringLiteral("Numéros des grilles à imprimer incorrect");
    }
    void previewButton()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QStringList, pages);
        QFETCH(QString, message);
        open();
        child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
        child<QRadioButton>(d, "bimpunbull")->setChecked(true);
        child<QLineEdit>(d, "Gpremier")->setText(first);
        child<QLineEdit>(d, "gdernier")->setText(last);
        QStringList seen;
        bool lastPageEndsPaging = false;
        QTimer::singleShot(0, d, [&] {
            auto *preview = qobject_cast<TicketPreviewWindow *>(QApplication::activeModalWidget());
            if (!preview)
                return;
            auto *next = child<QPushButton>(preview, "nextTicket");
            seen.append(child<QLabel>(preview, "ticketNumber")->text());
            // Paged with the keys, as with the buttons they stand for.
            preview->activateWindow();
            if (!QTest::qWaitFor([preview] { return QApplication::activeWindow() == preview; }))
                return;
            for (int turns = 0; next->isEnabled() && turns < 10; ++turns) {
                QTest::keyClick(preview, Qt::Key_PageDown);
                seen.append(child<QLabel>(preview, "ticketNumber")->text());
            }
            QTest::keyClick(preview, Qt::Key_PageUp);
            lastPageEndsPaging = preview->currentTicket() == seen.size() - 2;
            preview->close();
        });
        QTest::mouseClick(child<QPushButton>(d, "bapercu"), Qt::LeftButton);
        QCOMPARE(seen, pages);
        QCOMPARE(lastPageEndsPaging, !pages.isEmpty());
        QStringList shown;
        for (const auto &call : fakes->prompts.messages())
            shown.append(call.text);
        QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList { message });
        QCOMPARE(fakes->printLog->devicesOpened, 0);
        QVERIFY(d->isVisible());
    }

    // The preview opens with the whole slip fitted into it, and draws a ticket only
    // when it is shown, however many the range holds.
    void previewOpensFittedAndDrawsOnlyTheTicketShown()
    {
        open();
        QList<int> drawn;
        TicketPreviewWindow preview(
            1, 557,
            [&drawn](int index) {
                drawn.append(index);
                return QPicture();
            },
            300, QPoint(), QString(), d);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const QSize room = preview.findChild<QScrollArea *>()->viewport()->size();
        const QSize slip = child<QWidget>(&preview, "slipView")->size();
        QVERIFY2(slip.width() <= room.width() && slip.height() <= room.height()
                && (slip.width() >= room.width() - 8 || slip.height() >= room.height() - 8),
            qPrintable(QStringLiteral("slip %1×%2 in %3×%4")
                           .arg(slip.width())
                           .arg(slip.height())
                           .arg(room.width())
                           .arg(room.height())));
        QCOMPARE(drawn, QList<int> { 0 });
        preview.showNextTicket();
        preview.showNextTicket();
        preview.showPreviousTicket();
        QCOMPARE(drawn, (QList<int> { 0, 1, 2, 1 }));
    }
};

QTEST_MAIN(TestTicketPrintDialog)
#include "test_ticketprintdialog.moc"
