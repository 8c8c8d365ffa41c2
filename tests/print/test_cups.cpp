// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: the board list window prints through a private CUPS whose default
// printer is a CUPS-PDF queue (scripts/cups-pdf-setup), and the PDF that comes out is
// read back with pdftotext. Skipped where CUPS cannot run (the script says why).
#include "core/tickets/listprint.h"
#include "core/tickets/slipgrid.h"
#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "gui/application.h"
#include "gui/boardlistdialog.h"
#include "gui/mainwindow.h"
#include "gui/ticketprintdialog.h"
#include "platform/qtprintdevice.h"
#include "platform/qtservices.h"
#include "support/children.h"
#include "support/fakeplatform.h"
#include "support/pdfwords.h"
#include "support/program.h"

#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quillon;
using test::child;
using test::numberBox;
using namespace quillon::test;

class TestCups : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString script;
    QString socket;
    std::unique_ptr<FakePlatform> fakes;
    std::unique_ptr<Session> session;

    QProcessEnvironment cupsEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socket);
        return env;
    }

    // The PDFs the printer made, the newest last. CUPS-PDF names each after its job's
    // title, followed by the job's number.
    QStringList pdfs() const
    {
        return QDir(dir.filePath(QStringLiteral("cups/out")))
            .entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Time | QDir::Reversed);
    }

    bool queueEmpty() const
    {
        QProcess lpstat;
        lpstat.setProcessEnvironment(cupsEnvironment());
        lpstat.start(QStringLiteral("lpstat"), { QStringLiteral("-o") });
        return lpstat.waitForFinished(10000) && lpstat.readAllStandardOutput().trimmed().isEmpty();
    }

    // Opens the board list on system 3 and presses "Imprimer" once.
    void printFromTheWindow()
    {
        std::unique_ptr<MainWindow> w = test::startProgram(*session);
        QVERIFY(w);
        w->selectSystemByIndex(3);
        const QStringList numbers = { "5", "9", "14", "21", "27", "33", "38", "40", "44" };
        for (int tag = 1; tag <= numbers.size(); ++tag)
            numberBox(w.get(), tag)->setEditText(numbers[tag - 1]);
        BoardListDialog *list = test::dialog<BoardListDialog>(w.get());
        bool printed = false;
        QTimer::singleShot(0, list, [&] {
            if (QTest::qWaitForWindowActive(list)) {
                child<QPushButton>(list, "bimprime")->click();
                printed = list->isVisible();
            }
            list->close();
        });
        child<QPushButton>(w.get(), "bvoirtick")->click();
        w.reset();
        QVERIFY(printed);
    }

    bool restartCups()
    {
        QProcess::execute(QStringLiteral("cancel"), { QStringLiteral("-a") });
        QProcess setup;
        setup.start(script, { QStringLiteral("start"), dir.filePath(QStringLiteral("cups")) });
        return setup.waitForFinished(60000) && setup.exitCode() == 0;
    }

    // Opens the ticket dialog on system 2's ten boards with the offsets given, runs act
    // on it, then closes it.
    void withTheTicketDialog(
        int horizontalMm, int verticalMm, const std::function<void(TicketPrintDialog *)> &act)
    {
        std::unique_ptr<MainWindow> w = test::startProgram(*session);
        QVERIFY(w);
        session->settings.horizontalOffset = horizontalMm;
        session->settings.verticalOffset = verticalMm;
        w->selectSystemByIndex(2);
        const QStringList numbers
            = { "3", "7", "11", "15", "19", "22", "26", "30", "34", "38", "41", "45", "49" };
        for (int tag = 1; tag <= numbers.size(); ++tag)
            numberBox(w.get(), tag)->setEditText(numbers[tag - 1]);
        TicketPrintDialog *dialog = test::dialog<TicketPrintDialog>(w.get());
        bool acted = false;
        QTimer::singleShot(0, dialog, [&] {
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), static_cast<QWidget *>(dialog), 5000);
            act(dialog);
            acted = true;
        });
        child<QPushButton>(w.get(), "bimprimetickets")->click();
        w.reset();
        QVERIFY(acted);
    }

    // Prints system 2's ten boards from the ticket dialog on QUEBEC LOTTO MAX tickets,
    // five boards a ticket, stopping before the second ticket, where the player gives
    // the answer asked for. Returns where the marks of the first ticket go, in points.
    QList<QPointF> printTicketsFromTheWindow(Prompts::Answer atThePrompt)
    {
        std::unique_ptr<MainWindow> w = test::startProgram(*session);
        if (!w)
            return {};
        w->selectSystemByIndex(2);
        const QStringList numbers
            = { "3", "7", "11", "15", "19", "22", "26", "30", "34", "38", "41", "45", "49" };
        for (int tag = 1; tag <= numbers.size(); ++tag)
            numberBox(w.get(), tag)->setEditText(numbers[tag - 1]);
        TicketPrintDialog *dialog = test::dialog<TicketPrintDialog>(w.get());
        fakes->prompts.answers.enqueue(atThePrompt);
        QTimer::singleShot(0, dialog, [dialog] {
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), static_cast<QWidget *>(dialog), 5000);
            child<QRadioButton>(dialog, "bimpunbull")->setChecked(true);
            child<QPushButton>(dialog, "boutlancer")->click();
        });
        child<QPushButton>(w.get(), "bimprimetickets")->click();
        w.reset();
        QList<QPointF> marks;
        for (int s = 1; s <= 5; ++s) {
            for (int j = 1; j <= 7; ++j)
                marks.append(markPosition(1, s, numberAt(session->boards.boards[s], j, session->selection))
                    * 72 / 2.54);
        }
        return marks;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // The CUPS filters run as another user and must reach the instance's folder.
        QFile::setPermissions(dir.path(),
            QFile::permissions(dir.path()) | QFile::ExeGroup | QFile::ExeOther | QFile::ReadGroup
                | QFile::ReadOther);
        if (!havePdfToText())
            QSKIP("pdftotext is not installed (poppler-utils)");
        QImageReader::setAllocationLimit(1024); // a whole sheet at the printer's resolution
        script = qEnvironmentVariable("QUILLON_SOURCE_DIR") + QStringLiteral("/scripts/cups-pdf-setup");
        QProcess setup;
        setup.start(script, { QStringLiteral("start"), dir.filePath(QStringLiteral("cups")) });
        QVERIFY(setup.waitForFinished(60000));
        if (setup.exitCode() == 77)
            QSKIP(qPrintable(QString::fromLocal8Bit(setup.readAllStandardError()).trimmed()));
        QVERIFY2(setup.exitCode() == 0, setup.readAllStandardError().constData());
        socket = QString::fromLocal8Bit(setup.readAllStandardOutput()).trimmed();
        // The Qt printing plugin asks the CUPS named here.
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
    }

    void init()
    {
        fakes = std::make_unique<FakePlatform>();
        session = std::make_unique<Session>();
        session->programFolder = dir.path();
        platform().openDefaultPrinter = [] { return std::make_unique<QtPrintDevice>(); };
        installPrinterlessDevices(platform());
    }

    void cleanup() { fakes.reset(); }

    void cleanupTestCase()
    {
        if (!socket.isEmpty())
            QProcess::execute(script, { QStringLiteral("stop"), dir.filePath(QStringLiteral("cups")) });
    }

    void theListComesOutOfTheDefaultPrinter()
    {
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("PDF"));
        const QStringList before = pdfs();
        printFromTheWindow();
        QVERIFY(fakes->prompts.messages().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(pdfs().size() == before.size() + 1 && queueEmpty(), 60000);

        // The print queue shows the job under the document's name, in the player's language.
        QVERIFY2(pdfs().constLast().startsWith(QLatin1String("Quillon___liste_des_grilles")),
            qPrintable(pdfs().constLast()));
        const QString pdf = dir.filePath(QStringLiteral("cups/out/") + pdfs().constLast());
        const QList<PdfPage> pages = readPdfWords(pdf);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pdfLines(pages[0]),
            (QStringList { "LISTE DES PARIS", "5 9 14 21 27 33 38", "5 21 27 33 38 40 44",
                "9 14 27 33 38 40 44", "5 9 14 21 38 40 44" }));

        // Places, against the figures the printer gives.
        QtPrintDevice printer;
        const double dpi = printer.dpiY();
        const QPointF offset = QPointF(printer.printingOffset()) * 72.0 / dpi;
        printer.setFont(QStringLiteral("Times New Roman"), 14, false);
        const double pitch = (printer.textHeight(QStringLiteral("WWWW")) + 10) * 72.0 / dpi;
        const double width = printer.pageSize().width() * 72.0 / dpi;
        const QList<PdfWord> &words = pages[0].words;
        const double titleWidth = words[2].box.right() - words[0].box.left();
        QVERIFY2(qAbs(words[0].box.left() - offset.x() - (width - titleWidth) / 2) < 3.0,
            qPrintable(QString::number(words[0].box.left())));
        // CUPS-PDF redraws the text with fonts of its own, whose ascent differs from
        // Qt's: the title's top is only roughly where the cell's top was put.
        QVERIFY2(words[0].box.top() >= offset.y() && words[0].box.top() < offset.y() + 50 * 72.0 / dpi + 12,
            qPrintable(QString::number(words[0].box.top())));
        QList<double> lineTops;
        for (const PdfWord &word : words.mid(3)) {
            if (word.box.left() - offset.x() < 10 * 72.0 / dpi + 1.0) {
                QVERIFY(word.box.left() - offset.x() > 10 * 72.0 / dpi - 1.0);
                lineTops.append(word.box.top());
            }
        }
        QCOMPARE(lineTops.size(), 4);
        for (int k = 1; k < lineTops.size(); ++k)
            QVERIFY2(
                qAbs(lineTops[k] - lineTops[k - 1] - pitch) < 0.5, qPrintable(QString::number(lineTops[k])));
    }

    // The first ticket comes out with every X where the ruler puts it on the sheet,
    // whatever margins the printer keeps; the refused one feeds nothing.
    void ticketsComeOutOfTheDefaultPrinter()
    {
        const QStringList before = pdfs();
        QList<QPointF> marks = printTicketsFromTheWindow(Prompts::Answer::Cancel);
        QCOMPARE(fakes->prompts.messages().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(pdfs().size() == before.size() + 1 && queueEmpty(), 60000);
        QTest::qWait(2000); // time for a stray job to come out
        QCOMPARE(pdfs().size(), before.size() + 1);
        const QList<PdfPage> pages
            = readPdfWords(dir.filePath(QStringLiteral("cups/out/") + pdfs().constLast()));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].words.size(), marks.size());
        // CUPS-PDF draws the letter again with a font of its own: its left edge keeps
        // its place, its top moves by the fonts' difference of ascent, the same for all.
        double lowest = 1e9, highest = -1e9;
        for (const PdfWord &word : pages[0].words) {
            const auto match = std::find_if(marks.begin(), marks.end(), [&](QPointF m) {
                return qAbs(word.box.left() - m.x()) < 1.5 && qAbs(word.box.top() - m.y()) < 6.0;
            });
            QVERIFY2(word.text == QLatin1String("X") && match != marks.end(),
                qPrintable(QString::number(word.box.left())));
            lowest = std::min(lowest, word.box.top() - match->y());
            highest = std::max(highest, word.box.top() - match->y());
            marks.erase(match);
        }
        QVERIFY(highest - lowest < 0.5);
    }

    // One ticket at a time: while the player puts the second ticket in, the printer
    // goes away. The run stops there and says, in the player's language, which ticket
    // was not printed, instead of asking for the next one. A document handed over now is refused, and the
    // print device tells.
    void aPrinterGoneBetweenTwoTicketsStopsTheRun_data()
    {
        QTest::addColumn<QStringList>("command"); // run against the private CUPS
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("handedOver"); // whether CUPS takes a document afterwards
        QTest::newRow("queue refuses jobs")
            << QStringList { "cupsreject", "PDF" } << "n'accepte pas de travaux" << false;
        QTest::newRow("queue stopped") << QStringList { "cupsdisable", "PDF" } << "est arrêtée" << true;
        QTest::newRow("printer deleted")
            << QStringList { "lpadmin", "-x", "PDF" } << "n'est plus disponible" << false;
        QTest::newRow("print server stopped")
            << QStringList { script, "stop", dir.filePath(QStringLiteral("cups")) } << "n'est plus disponible"
            << false;
    }
    void aPrinterGoneBetweenTwoTicketsStopsTheRun()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, reason);
        QFETCH(bool, handedOver);
        const auto restart = qScopeGuard([this] { QVERIFY(restartCups()); });
        const QStringList before = pdfs();
        bool firstTicketOut = false;
        bool probed = false;
        QString refusal;
        fakes->prompts.onMessage = [&](const FakePrompts::Call &call) {
            if (call.buttons != Prompts::Buttons::OkCancel)
                return;
            // The player waits for the first ticket to come out before putting in the next.
            firstTicketOut
                = QTest::qWaitFor([&] { return pdfs().size() == before.size() + 1 && queueEmpty(); }, 60000);
            QtPrintDevice printer;
            QCOMPARE(QProcess::execute(command.first(), command.mid(1)), 0);
            printer.beginDocument(QStringLiteral("probe"));
            printer.drawText(0, 0, QStringLiteral("X"));
            printer.endDocument();
            probed = !printer.lastDocumentTaken(&refusal) != handedOver;
        };
        printTicketsFromTheWindow(Prompts::Answer::Ok);
        QVERIFY(firstTicketOut);
        QVERIFY2(probed, qPrintable(refusal));
        const auto messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[1].icon, Prompts::Icon::Error);
        QCOMPARE(messages[1].text,
            QStringLiteral("L'imprimante « PDF » %1. Le ticket 2 (grilles 6 à 10) n'a pas été imprimé.")
                .arg(reason));
        QTest::qWait(2000); // time for a stray job to come out
        QCOMPARE(pdfs().size(), before.size() + 1);
    }

    // The calibration sheet of DANSK LOTTO, printed with offsets of 3 mm right and
    // 2 mm up, comes out of the printer with every cross moved by exactly that.
    void theCalibrationSheetComesOutOfTheDefaultPrinter()
    {
        const QStringList before = pdfs();
        withTheTicketDialog(3, -2, [](TicketPrintDialog *dialog) {
            child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(4);
            child<QPushButton>(dialog, "bcalage")->click();
        });
        QVERIFY(fakes->prompts.messages().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(pdfs().size() == before.size() + 1 && queueEmpty(), 60000);
        QtPrintDevice printer;
        const QStringList misplaced = misplacedCrosses(
            dir.filePath(QStringLiteral("cups/out/") + pdfs().constLast()), 5, printer.dpiX(), 3, -2);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(QLatin1Char('\n'))));
    }

    // With CUPS gone there is no printer: the list and the tickets are offered as PDF
    // files instead, written where the player says, one a ticket, and readable.
    // Declining prints nothing.
    void withoutCupsThePagesGoToPdfFiles()
    {
        QProcess::execute(script, { QStringLiteral("stop"), dir.filePath(QStringLiteral("cups")) });
        socket.clear();
        const QStringList before = pdfs();
        const QString question
            = QStringLiteral("Aucune imprimante n'est installée. Enregistrer les pages en PDF ?");

        fakes->prompts.answers.enqueue(Prompts::Answer::No);
        printFromTheWindow();
        auto messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, question);
        QCOMPARE(messages[0].buttons, Prompts::Buttons::YesNo);

        fakes->prompts.calls.clear();
        fakes->prompts.answers.enqueue(Prompts::Answer::Yes);
        const QString list = dir.filePath(QStringLiteral("saved/list.pdf"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("saved"))));
        fakes->prompts.fileNames.enqueue(list);
        printFromTheWindow();
        messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages[1].text.endsWith(list), qPrintable(messages[1].text));
        const QList<PdfPage> listPages = readPdfWords(list);
        QCOMPARE(listPages.size(), 1);
        QCOMPARE(pdfLines(listPages[0]),
            (QStringList { "LISTE DES PARIS", "5 9 14 21 27 33 38", "5 21 27 33 38 40 44",
                "9 14 27 33 38 40 44", "5 9 14 21 38 40 44" }));

        // Ten boards, five a ticket: two files, the X of each board where the ruler
        // puts it; no ticket to put in between, so no prompt for one.
        fakes->prompts.calls.clear();
        fakes->prompts.fileNames.enqueue(dir.filePath(QStringLiteral("saved/tickets.pdf")));
        QList<QPointF> marks = printTicketsFromTheWindow(Prompts::Answer::Yes);
        messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].text, question);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("saved"))).entryList({ QStringLiteral("tickets*") }),
            (QStringList { "tickets-1.pdf", "tickets-2.pdf" }));
        for (const QString &file : { QStringLiteral("tickets-1.pdf"), QStringLiteral("tickets-2.pdf") }) {
            const QList<PdfPage> pages = readPdfWords(dir.filePath(QStringLiteral("saved/") + file));
            QCOMPARE(pages.size(), 1);
            QCOMPARE(pages[0].words.size(), 35);
            if (file.endsWith(QLatin1String("1.pdf"))) {
                for (const PdfWord &word : pages[0].words) {
                    const auto match = std::find_if(marks.begin(), marks.end(), [&](QPointF m) {
                        return qAbs(word.box.left() - m.x()) < 1.0 && qAbs(word.box.top() - m.y()) < 3.0;
                    });
                    QVERIFY2(word.text == QLatin1String("X") && match != marks.end(),
                        qPrintable(QString::number(word.box.left())));
                    marks.erase(match);
                }
            }
        }

        // Saving over a file of the player's: it stays as it was unless the player lets
        // it be replaced, and nothing is left beside it either way.
        const auto writeOwnFile = [&] {
            QFile own(list);
            return own.open(QIODevice::WriteOnly) && own.write("the player's own file") == 21;
        };
        const auto contents = [&] {
            QFile file(list);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        for (const Prompts::Answer replace : { Prompts::Answer::No, Prompts::Answer::Yes }) {
            QVERIFY(writeOwnFile());
            fakes->prompts.calls.clear();
            fakes->prompts.answers.append({ Prompts::Answer::Yes, replace });
            fakes->prompts.fileNames.enqueue(list);
            printFromTheWindow();
            messages = fakes->prompts.messages();
            QVERIFY2(messages[1].text.contains(QDir::toNativeSeparators(list) + QLatin1Char('\n'))
                    && messages[1].text.endsWith(QStringLiteral("Continuer quand même ?")),
                qPrintable(messages[1].text));
            QCOMPARE(messages[1].buttons, Prompts::Buttons::YesNo);
            if (replace == Prompts::Answer::No)
                QCOMPARE(contents(), QByteArray("the player's own file"));
            else
                QCOMPARE(readPdfWords(list).size(), 1);
            QCOMPARE(QDir(dir.filePath(QStringLiteral("saved")))
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                (QStringList { "list.pdf", "tickets-1.pdf", "tickets-2.pdf" }));
        }
        QCOMPARE(pdfs(), before);
    }
};

QTEST_MAIN(TestCups)
#include "test_cups.moc"
