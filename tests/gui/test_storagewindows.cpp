// SPDX-License-Identifier: GPL-3.0-or-later
// Settings, game files, help and the about box, through the real windows.
#include "core/files/gamefile.h"
#include "core/files/settingsfile.h"
#include "core/wheels/catalogue.h"
#include "core/wheels/selection.h"
#include "gui/aboutdialog.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/settingsdialog.h"
#include "support/children.h"
#include "support/fakeplatform.h"
#include "support/program.h"
#include "support/storagefiles.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace quillon;
using test::child;
using test::numberBox;
using namespace quillon::test;

class TestStorageWindows : public QObject, ProgramFixture {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;

    QString path(const QString &name) const { return folder->filePath(name); }

    void put(const QString &name, const QByteArray &bytes) { writeFile(path(name), bytes); }
    QByteArray get(const QString &name) const { return readFile(path(name)); }

    // Starts the program with the files already put in its folder.
    void start() { QVERIFY(startIn(folder->path())); }

    SettingsDialog *openSettings()
    {
        SettingsDialog *dialog = test::dialog<SettingsDialog>(w);
        return test::showActive(dialog) ? dialog : nullptr;
    }

    void typeInto(int tag, const QString &keys) { test::typeInto(numberBox(w, tag), keys); }

    int listIndexOfPool(int pool) const
    {
        for (int i = 0; i < child<QComboBox>(w, "clistesystemes")->count(); ++i) {
            if (systemDescriptor(child<QComboBox>(w, "clistesystemes")->itemData(i).toInt()).poolSize == pool)
                return i;
        }
        return -1;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quillon folder-XXXXXX"));
        QVERIFY(folder->isValid());
    }
    void cleanup() { stopProgram(); }

    void firstStartIsFrenchAndQuitWritesTheSettings()
    {
        start();
        QCOMPARE(child<QPushButton>(w, "bquit")->text(), QStringLiteral("Quitter"));
        QCOMPARE(session->settings.horizontalOffset, 0);
        QCOMPARE(session->settings.verticalOffset, 0);
        QVERIFY(!QFile::exists(path(QStringLiteral("QUILLON.PAR"))));
        child<QPushButton>(w, "bquit")->click();
        QVERIFY(!w->isVisible());
        QByteArray expected(32, '\0');
        expected[4] = 1;
        expected[16] = 1;
        QCOMPARE(get(QStringLiteral("QUILLON.PAR")), expected);
        QVERIFY(fakes->prompts.calls.isEmpty());
    }

    void settingsFileChoosesTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("translationFile"); // "quillon.lg" next to the program
        QTest::addColumn<QString>("quit");
        QTest::newRow("English") << 2 << QByteArray() << "Quit";
        QTest::newRow("damaged code: empty captions") << 1000 << QByteArray() << "";
        QTest::newRow("translation file") << 2 << languageFile(40, "Quitter;Sortir") << "Sortir";
    }
    void settingsFileChoosesTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, translationFile);
        put(QStringLiteral("QUILLON.PAR"), settingsBytes(language, 4, -2));
        if (!translationFile.isNull())
            put(QStringLiteral("quillon.lg"), translationFile);
        start();
        QTEST(child<QPushButton>(w, "bquit")->text(), "quit");
        QCOMPARE(session->settings.horizontalOffset, 4);
        QVERIFY(fakes->prompts.calls.isEmpty());
        child<QPushButton>(w, "bquit")->click();
        QCOMPARE(get(QStringLiteral("QUILLON.PAR")), settingsBytes(language, 4, -2));
    }

    void failedSettingsWriteShowsTheFixedMessageAndQuits()
    {
        // A folder where the file should be: it cannot be read, deleted or replaced.
        QVERIFY(QDir().mkpath(path(QStringLiteral("QUILLON.PAR"))));
        start();
        QCOMPARE(child<QPushButton>(w, "bquit")->text(), QStringLiteral("Quitter"));
        child<QPushButton>(w, "bquit")->click();
        const auto &calls = fakes->prompts.calls;
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls[0].kind, QStringLiteral("beep"));
        QCOMPARE(calls[1].text, QStringLiteral("Il y a eu un problème"));
        QCOMPARE(calls[1].caption, QStringLiteral("Fichier non sauvegardé !!"));
        QCOMPARE(calls[1].buttons, Prompts::Buttons::Ok);
        QVERIFY(!w->isVisible());
    }

    void offsetKeyFilter_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("signs and digits") << "-12"
                                          << "-12";
        QTest::newRow("letters dropped") << "a1b+"
                                         << "1+";
        QTest::newRow("blank and dot dropped") << " 4.5"
                                               << "45";
        QTest::newRow("five characters") << "1234567"
                                         << "12345";
    }
    void offsetKeyFilter()
    {
        QFETCH(QString, keys);
        start();
        SettingsDialog *dialog = openSettings();
        QVERIFY(dialog);
        child<QLineEdit>(dialog, "edecv")->selectAll();
        QTest::keyClicks(child<QLineEdit>(dialog, "edecv"), keys);
        QTEST(child<QLineEdit>(dialog, "edecv")->text(), "shown");
        QTest::keyClick(child<QLineEdit>(dialog, "edecv"), Qt::Key_Backspace);
        QTEST(child<QLineEdit>(dialog, "edecv")->text(), "shown");
    }

    void offsetsStoredByOkOnlyAndFiledByQuitterOnly()
    {
        const QByteArray file = settingsBytes(1, 7, -9999) + "40 bytes";
        put(QStringLiteral("QUILLON.PAR"), file);
        start();
        SettingsDialog *dialog = openSettings();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Parametres"));
        QCOMPARE(child<QGroupBox>(dialog, "GroupBox1")->title(), QStringLiteral("Impression"));
        QCOMPARE(child<QLineEdit>(dialog, "edech")->text(), QStringLiteral("7"));
        QCOMPARE(child<QLineEdit>(dialog, "edecv")->text(), QStringLiteral("-9999"));
        child<QLineEdit>(dialog, "edech")->selectAll();
        QTest::keyClicks(child<QLineEdit>(dialog, "edech"), QStringLiteral("-5"));
        child<QLineEdit>(dialog, "edecv")->selectAll();
        QTest::keyClicks(child<QLineEdit>(dialog, "edecv"), QStringLiteral("12"));
        dialog->close();
        QCOMPARE(session->settings.horizontalOffset, 7);
        QCOMPARE(session->settings.verticalOffset, -9999);

        dialog = openSettings();
        QVERIFY(dialog);
        QCOMPARE(child<QLineEdit>(dialog, "edech")->text(), QStringLiteral("7"));
        child<QLineEdit>(dialog, "edech")->setFocus();
        child<QLineEdit>(dialog, "edech")->selectAll();
        QTest::keyClicks(child<QLineEdit>(dialog, "edech"), QStringLiteral("-5"));
        QTest::keyClick(child<QLineEdit>(dialog, "edech"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(child<QLineEdit>(dialog, "edecv")));
        child<QLineEdit>(dialog, "edecv")->selectAll();
        QTest::keyClicks(child<QLineEdit>(dialog, "edecv"), QStringLiteral("12-3"));
        QTest::keyClick(child<QLineEdit>(dialog, "edecv"), Qt::Key_Return); // the default button
        QVERIFY(!dialog->isVisible());
        QCOMPARE(session->settings.horizontalOffset, -5);
        QCOMPARE(session->settings.verticalOffset, 12);
        w->close(); // the close box, not "Quitter"
        QCOMPARE(get(QStringLiteral("QUILLON.PAR")), file);
    }

    // The player picks each language in turn in the real dialog; the main window speaks it
    // as soon as the dialog closes, keeping the chosen system and the typed numbers, and
    // "Quitter" files the last one chosen.
    void languageChosenInTheSettingsDialog()
    {
        start();
        w->selectSystemByIndex(3);
        typeInto(1, QStringLiteral("17"));
        const int systemRow = child<QComboBox>(w, "clistesystemes")->currentIndex();
        struct Step {
            int row;
            qint32 code;
            const char *quit;
            const char *tickets;
            const char *numbersGroup;
            const char *system3;
            const char *qtYes;
            const char *preview;
        };
        const Step steps[] = {
            { 1, 2, "Quit", "Print the tickets", "Select the numbers you want to play",
                "  6 numbers if  7 in  9 in     4 boards", "&Yes", "Preview" },
            { 2, 6, "Izlaz", "Printati listiće", "Izabrati željene brojeve za igru",
                "  6  /  7 od  9 u     4 kombinacija", "&Da", "Pregled" },
            { 0, 1, "Quitter", "Imprimer les tickets", "Selection des numéros à jouer",
                "  6 numéros si  7 parmi  9 en     4 grilles", "&Oui", "Aperçu" },
            { 2, 6, "Izlaz", "Printati listiće", "Izabrati željene brojeve za igru",
                "  6  /  7 od  9 u     4 kombinacija", "&Da", "Pregled" },
        };
        int languageRow = 0;
        for (const Step &step : steps) {
            SettingsDialog *dialog = test::dialog<SettingsDialog>(w);
            int shownRow = -1, rowAfterWheel = -1;
            QTimer::singleShot(0, dialog, [dialog, &step, &shownRow, &rowAfterWheel] {
                QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
                auto *list = child<QComboBox>(dialog, "clangue");
                // The list opens on the language in force; the wheel turned over it while
                // the focus is elsewhere leaves it there.
                shownRow = list->currentIndex();
                child<QLineEdit>(dialog, "edech")->setFocus();
                test::turnWheelOver(list);
                rowAfterWheel = list->currentIndex();
                list->showPopup();
                list->view()->setCurrentIndex(list->model()->index(step.row, 0));
                QTest::keyClick(list->view(), Qt::Key_Return);
                child<QPushButton>(dialog, "bok")->click();
            });
            child<QPushButton>(w, "bparametre")->click();
            QCOMPARE(shownRow, languageRow);
            QCOMPARE(rowAfterWheel, languageRow);
            languageRow = step.row;
            QCOMPARE(session->settings.languageCode, step.code);
            QTRY_COMPARE(child<QPushButton>(w, "bquit")->text(), QString::fromUtf8(step.quit));
            QCOMPARE(child<QPushButton>(w, "bimprimetickets")->text(), QString::fromUtf8(step.tickets));
            QCOMPARE(child<QGroupBox>(w, "gnumeros")->title(), QString::fromUtf8(step.numbersGroup));
            QCOMPARE(child<QComboBox>(w, "clistesystemes")->currentText(), QString::fromUtf8(step.system3));
            QCOMPARE(child<QComboBox>(w, "clistesystemes")->currentIndex(), systemRow);
            QCOMPARE(w->selectedSystem(), 3);
            QCOMPARE(numberBox(w, 1)->currentText(), QStringLiteral("17"));
            // Qt's own buttons and dialogs follow, and so do the program's texts beyond the catalogue.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8(step.qtYes));
            QCOMPARE(
                QCoreApplication::translate("TicketPrintDialog", "Preview"), QString::fromUtf8(step.preview));
        }
        child<QPushButton>(w, "bquit")->click();
        QCOMPARE(get(QStringLiteral("QUILLON.PAR")), settingsBytes(6, 0, 0));
    }

    // A code without a choice (Portuguese, or damaged) is shown as none and kept by OK.
    void languageWithoutAChoiceIsKept()
    {
        put(QStringLiteral("QUILLON.PAR"), settingsBytes(4, 0, 0));
        start();
        SettingsDialog *dialog = openSettings();
        QVERIFY(dialog);
        QCOMPARE(child<QComboBox>(dialog, "clangue")->currentIndex(), -1);
        QCOMPARE(child<QGroupBox>(dialog, "GroupBox2")->title(), QStringLiteral("Langue / Language / Jezik"));
        child<QPushButton>(dialog, "bok")->click();
        QCOMPARE(session->settings.languageCode, 4);
    }

    void aboutBox_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("line8");
        QTest::addColumn<QString>("line10");
        QTest::addColumn<QString>("publisher"); // the first of the publisher lines
        QTest::newRow("French") << 1 << "L'auteur décline toute responsabilité quand aux conséquences"
                                << "ainsi qu'aux erreurs pouvant se trouver dans les systemes"
                                << "Systèmes réducteurs pour les loteries à sept numéros";
        QTest::newRow("English") << 2 << "The author decline all responsabilities"
                                 << "an in the errors that can be found in the systems"
                                 << "Wheeling systems for seven-number lotteries";
        QTest::newRow("Croatian") << 6 << ""
                                  << ""
                                  << "Reducirani sistemi za lutrije sa sedam brojeva";
    }
    void aboutBox()
    {
        QFETCH(int, language);
        put(QStringLiteral("QUILLON.PAR"), settingsBytes(language, 0, 0));
        start();
        AboutDialog *about = test::dialog<AboutDialog>(w);
        w->move(0, 0); // the box centres on the screen, not over the main window
        QVERIFY(test::showActive(about));
        QCOMPARE(about->windowTitle(), QStringLiteral("A propos"));
        QCOMPARE(about->size(), QSize(465, 319));
        // Centred on the screen, give or take the window frame.
        QVERIFY((about->geometry().center() - about->screen()->availableGeometry().center()).manhattanLength()
            <= 8);
        QCOMPARE(child<QLabel>(about, "ProductName")->text(), QStringLiteral("Quillon"));
        QCOMPARE(child<QLabel>(about, "lversion")->text(), QStringLiteral("1.22"));
        QTEST(child<QLabel>(about, "Label8")->text(), "line8");
        QCOMPARE(child<QLabel>(about, "Label9")->text().isEmpty(), language == 6);
        QTEST(child<QLabel>(about, "Label10")->text(), "line10");
        QLabel *publisher = nullptr;
        for (QLabel *label : child<QFrame>(about, "Panel1")->findChildren<QLabel *>()) {
            if (label->y() == 79)
                publisher = label;
        }
        QVERIFY(publisher);
        QTEST(publisher->text(), "publisher");
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(child<QPushButton>(about, "OKButton")));
        child<QPushButton>(about, "OKButton")->click();
        QVERIFY(!about->isVisible());
    }

    // The page opens at the section of the current language; a language without a
    // section of its own gets the English one, as it gets the English texts.
    void helpOpensThePageNextToTheProgramEachTime_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("section");
        QTest::newRow("French") << 1 << "fr";
        QTest::newRow("English") << 2 << "en";
        QTest::newRow("Croatian") << 6 << "hr";
        QTest::newRow("Portuguese") << 3 << "en";
    }
    void helpOpensThePageNextToTheProgramEachTime()
    {
        QFETCH(int, language);
        put(QStringLiteral("QUILLON.PAR"), settingsBytes(language, 0, 0));
        start();
        child<QPushButton>(w, "baidegene")->click();
        child<QPushButton>(w, "baidegene")->click();
        const QString file = QDir(folder->path()).filePath(QStringLiteral("quillon.html"));
        QUrl page = QUrl::fromLocalFile(file);
        QFETCH(QString, section);
        page.setFragment(section);
        QCOMPARE(fakes->shell.opened, QList<QUrl>({ page, page }));
        // F1 opens it from the main window and from every secondary window.
        QTest::keyClick(w, Qt::Key_F1);
        for (QDialog *window : w->findChildren<QDialog *>(QString(), Qt::FindDirectChildrenOnly)) {
            QVERIFY(test::showActive(window));
            QTest::keyClick(window, Qt::Key_F1);
            window->reject();
        }
        QCOMPARE(fakes->shell.opened, QList<QUrl>(9, page));
        QVERIFY(file.contains(QLatin1Char(' ')));
        QVERIFY(fakes->prompts.calls.isEmpty());
    }

    // The help page the build put next to the program has the section each language
    // opens at, and its table of systems lists every system of the list with its
    // numbers played (M) and boards (G), the figures straight from the catalogue.
    void helpPageHasEachSectionAndEverySystem()
    {
        const QString page = QString::fromUtf8(
            readFile(QCoreApplication::applicationDirPath() + QStringLiteral("/quillon.html")));
        QVERIFY(!page.isEmpty());
        for (const char *section : { "fr", "en", "hr" })
            QVERIFY2(
                page.contains(QStringLiteral("<section id=\"%1\"").arg(QLatin1String(section))), section);
        for (int index = 1; index <= kSystemCount; ++index) {
            if (!hasWheelTable(index))
                continue;
            const SystemDescriptor &d = systemDescriptor(index);
            for (const char *guarantee : { "%1 numbers if %2 of your %3 are drawn",
                     "%1 numéros si %2 de vos %3 numéros sont tirés" }) {
                const QString row
                    = QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                          .arg(QString::fromUtf8(guarantee).arg(d.guarantee).arg(d.condition).arg(d.poolSize))
                          .arg(d.poolSize)
                          .arg(d.boardCount);
                QVERIFY2(page.contains(row), qPrintable(row));
            }
        }
        // How the tables are checked is told; the command that does it belongs to the sources.
        QVERIFY(!page.contains(QStringLiteral("wheelcheck")));
    }

    void saveThenLoadRestoresSystemAndBoxes()
    {
        start();
        const int big = listIndexOfPool(14);
        QVERIFY(big >= 0);
        QComboBox *systems = child<QComboBox>(w, "clistesystemes");
        systems->setCurrentIndex(big);
        emit systems->activated(big); // as when the player picks it
        const int system = w->selectedSystem();
        for (int tag = 1; tag <= kBoxCount; ++tag)
            typeInto(tag, QString::number((tag * 7) % 50 + 1));
        const QStringList saved = w->boxTexts();
        fakes->prompts.fileNames.enqueue(path(QStringLiteral("my game.qz")));
        child<QPushButton>(w, "brengjeu")->click();
        QCOMPARE(get(QStringLiteral("my game.qz")).size(), kGameRecordSize);
        const auto dialog = fakes->prompts.calls.constFirst().dialog;
        QCOMPARE(dialog.title, QStringLiteral("Indiquer le nom du fichier à enregistrer"));
        QCOMPARE(dialog.filterName, QStringLiteral("Quillon (*.qz)"));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("qz"));

        systems->setCurrentIndex(listIndexOfPool(9));
        emit systems->activated(systems->currentIndex());
        typeInto(3, QStringLiteral("44"));
        QCOMPARE(numberBox(w, 3)->currentText(), QStringLiteral("44"));
        fakes->prompts.fileNames.enqueue(path(QStringLiteral("my game.qz")));
        child<QPushButton>(w, "bchargejeu")->click();
        QCOMPARE(
            fakes->prompts.calls.last().dialog.title, QStringLiteral("Sélectionnez le fichier à charger"));
        QVERIFY(fakes->prompts.calls.last().dialog.fileMustExist);
        QCOMPARE(w->selectedSystem(), system);
        QCOMPARE(w->boxTexts(), saved);
        QVERIFY(numberBox(w, 14)->isVisible());
        QVERIFY(!numberBox(w, 15)->isVisible());
        QVERIFY(fakes->prompts.messages().isEmpty());
    }

    void loadingAGameFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QByteArray game(kGameRecordSize, '\0');
        game.replace(0, 3, "\x02QL");
        game.replace(8, 4, int32(9999)); // no such system: the top item
        game.replace(28, 4, int32(17));
        game.replace(32, 4, int32(0));
        game.replace(36, 4, int32(51));
        QTest::newRow("229 bytes") << game + "z" << QString();
        QTest::newRow("wrong signature")
            << QByteArray(game).replace(1, 1, "X") << "Ce n'est pas un fichier de sauvegarde";
        QTest::newRow("missing") << QByteArray("<none>") << "Fichier inexistant";
    }
    void loadingAGameFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        start();
        const int before = child<QComboBox>(w, "clistesystemes")->count() - 1;
        child<QComboBox>(w, "clistesystemes")->setCurrentIndex(before);
        const QStringList boxesBefore = w->boxTexts();
        if (content != "<none>")
            put(QStringLiteral("g.qz"), content);
        fakes->prompts.fileNames.enqueue(path(QStringLiteral("g.qz")));
        child<QPushButton>(w, "bchargejeu")->click();
        const auto messages = fakes->prompts.messages();
        if (message.isEmpty()) {
            QVERIFY(messages.isEmpty());
            QCOMPARE(child<QComboBox>(w, "clistesystemes")->currentIndex(), 0);
            QCOMPARE(numberBox(w, 1)->currentText(), QStringLiteral("17"));
            QCOMPARE(numberBox(w, 2)->currentText(), QString());
            QCOMPARE(numberBox(w, 3)->currentText(), QString());
        } else {
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages[0].text, message);
            QCOMPARE(messages[0].caption, QStringLiteral("Problème !!"));
            QCOMPARE(child<QComboBox>(w, "clistesystemes")->currentIndex(), before);
            QCOMPARE(w->boxTexts(), boxesBefore);
        }
    }

    void answeringNoKeepsTheExistingFile()
    {
        put(QStringLiteral("old.qz"), "precious bytes");
        start();
        fakes->prompts.fileNames.enqueue(path(QStringLiteral("old.qz")));
        fakes->prompts.answers.enqueue(Prompts::Answer::No);
        child<QPushButton>(w, "brengjeu")->click();
        const auto messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Continuer quand même ?"));
        QCOMPARE(messages[0].caption, QStringLiteral("Fichier existant !!"));
        QCOMPARE(messages[0].buttons, Prompts::Buttons::YesNo);
        QCOMPARE(get(QStringLiteral("old.qz")), QByteArray("precious bytes"));
    }

    void failedGameWriteBeepsAndSaysSo()
    {
        QVERIFY(QDir().mkpath(path(QStringLiteral("taken.qz"))));
        start();
        fakes->prompts.fileNames.enqueue(path(QStringLiteral("taken.qz")));
        child<QPushButton>(w, "brengjeu")->click();
        const auto &calls = fakes->prompts.calls;
        QCOMPARE(calls.size(), 4); // dialog, overwrite question, beep, message
        QCOMPARE(calls[2].kind, QStringLiteral("beep"));
        QCOMPARE(calls[3].text, QStringLiteral("Erreur lors de l'écriture"));
        QCOMPARE(calls[3].caption, QStringLiteral("Problème !!"));
    }
};

QTEST_MAIN(TestStorageWindows)
#include "test_storagewindows.moc"
