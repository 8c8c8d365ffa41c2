// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with real widgets under the offscreen platform.
#include "core/text/displaynames.h"
#include "core/wheels/catalogue.h"
#include "core/wheels/selection.h"
#include "gui/aboutdialog.h"
#include "gui/boardlistdialog.h"
#include "gui/comparedialog.h"
#include "gui/errorhandler.h"
#include "gui/gradientbackground.h"
#include "gui/mainwindow.h"
#include "gui/settingsdialog.h"
#include "gui/ticketpreviewwindow.h"
#include "gui/ticketprintdialog.h"
#include "support/children.h"
#include "support/fakeplatform.h"
#include "support/program.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quillon;
using test::child;
using test::numberBox;
using test::turnWheelOver;

namespace {

// Whether a comes before b for a reader going left to right, top to bottom. Controls in
// different containers are ordered as their containers are: a group is read whole.
bool readsBefore(const QWidget *a, const QWidget *b)
{
    const QWidget *ca = a;
    const QWidget *cb = b;
    while (ca->parentWidget() && !ca->parentWidget()->isAncestorOf(b))
        ca = ca->parentWidget();
    while (cb->parentWidget() != ca->parentWidget())
        cb = cb->parentWidget();
    const QRect ra = ca->geometry();
    const QRect rb = cb->geometry();
    if (ra.top() < rb.bottom() && rb.top() < ra.bottom())
        return ra.left() < rb.left();
    return ra.top() < rb.top();
}

// The controls Tab visits from the one that has the focus, once round the window.
QList<QWidget *> tabCycle()
{
    QList<QWidget *> cycle;
    for (int turn = 0; turn < 100; ++turn) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || (!cycle.isEmpty() && focus == cycle.first()))
            break;
        cycle.append(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return cycle;
}

QString names(const QList<QWidget *> &widgets)
{
    QStringList list;
    for (const QWidget *widget : widgets)
        list.append(widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                   : widget->objectName());
    return list.join(QLatin1Char(' '));
}

} // namespace

class TestMainWindow : public QObject, test::ProgramFixture {
    Q_OBJECT

    QTemporaryDir folder;

    // Starts the program afresh with an empty program folder and the given language.
    void start(Language language = Language::French)
    {
        QVERIFY(startIn(folder.path()));
        if (language != Language::French) {
            session->settings.languageCode = qint32(language);
            w->applyCaptions();
        }
    }

    void typeInto(int tag, const QString &keys) { test::typeInto(numberBox(w, tag), keys); }

    // Picks a row of the system list as the player does: in its popup, with Return.
    void pickSystem(int row)
    {
        child<QComboBox>(w, "clistesystemes")->showPopup();
        QAbstractItemView *view = child<QComboBox>(w, "clistesystemes")->view();
        view->setCurrentIndex(view->model()->index(row, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(child<QComboBox>(w, "clistesystemes")->currentIndex(), row);
    }

private slots:
    void cleanup() { stopProgram(); }

    // Tab goes through every window's controls in reading order, back to the first.
    void tabFollowsTheReadingOrder_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window :
            { "main", "board list", "compare", "tickets", "settings", "about", "preview" })
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void tabFollowsTheReadingOrder()
    {
        QFETCH(QString, window);
        start();
        std::unique_ptr<QWidget> preview;
        QWidget *shown = w;
        if (window == QLatin1String("board list"))
            shown = test::dialog<BoardListDialog>(w);
        else if (window == QLatin1String("compare"))
            shown = test::dialog<CompareDialog>(w);
        else if (window == QLatin1String("tickets"))
            shown = test::dialog<TicketPrintDialog>(w);
        else if (window == QLatin1String("settings"))
            shown = test::dialog<SettingsDialog>(w);
        else if (window == QLatin1String("about"))
            shown = test::dialog<AboutDialog>(w);
        else if (window == QLatin1String("preview")) {
            preview = std::make_unique<TicketPreviewWindow>(
                1, 3, [](int) { return QPicture(); }, 300, QPoint(), QStringLiteral("note"), w);
            shown = preview.get();
        }
        if (shown != w)
            QVERIFY(test::showActive(shown));
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QWidget *first = shown->focusWidget() ? shown->focusWidget() : shown->nextInFocusChain();
        first->setFocus(Qt::TabFocusReason);
        const QList<QWidget *> cycle = tabCycle();
        QVERIFY(!cycle.isEmpty());
        // Going round once, the order goes back only where it wraps from the last
        // control to the first.
        int wraps = 0;
        for (qsizetype i = 0; i < cycle.size(); ++i) {
            QCOMPARE(cycle[i]->window(), shown);
            wraps += readsBefore(cycle[(i + 1) % cycle.size()], cycle[i]) ? 1 : 0;
        }
        QVERIFY2(wraps == (cycle.size() > 1 ? 1 : 0), qPrintable(names(cycle)));
        shown->hide();
    }

    void startsInFrenchWithTheTopSystemAndItsBoxes()
    {
        start();
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillon"));
        QCOMPARE(w->size(), QSize(701, 419));
        QCOMPARE(child<QComboBox>(w, "clistesystemes")->currentIndex(), 0);
        const int system = w->selectedSystem();
        QVERIFY(hasWheelTable(system));
        QCOMPARE(child<QComboBox>(w, "clistesystemes")->currentText(),
            displayName(Wheel::fromCatalogue(system), session->texts()));
        const int pool = systemDescriptor(system).poolSize;
        for (int tag = 1; tag <= kBoxCount; ++tag) {
            QCOMPARE(numberBox(w, tag)->isVisible(), tag <= pool);
            QCOMPARE(numberBox(w, tag)->currentText(), QStringLiteral("1"));
            QCOMPARE(numberBox(w, tag)->count(), 50);
        }
        QCOMPARE(child<QPushButton>(w, "bvoirtick")->text(), QStringLiteral("Voir les grilles"));
        QCOMPARE(child<QGroupBox>(w, "gnumeros")->title(), QStringLiteral("Selection des numéros à jouer"));
        QVERIFY(fakes->prompts.calls.isEmpty());
    }

    void systemListPopupHidesTheCarriedIndex()
    {
        start();
        child<QComboBox>(w, "clistesystemes")->showPopup();
        QAbstractItemView *view = child<QComboBox>(w, "clistesystemes")->view();
        QTRY_VERIFY(view->isVisible());
        QVERIFY(!view->horizontalScrollBar()->isVisible());
        QVERIFY(view->window()->width() <= w->width());
        child<QComboBox>(w, "clistesystemes")->hidePopup();
    }

    void boxesSitInFourRowsOfTen()
    {
        start();
        QCOMPARE(numberBox(w, 1)->geometry(), QRect(16, 13, 47, 21));
        QCOMPARE(numberBox(w, 10)->geometry(), QRect(573, 13, 47, 21));
        QCOMPARE(numberBox(w, 31)->geometry(), QRect(16, 80, 47, 21));
        QCOMPARE(numberBox(w, 26)->geometry(), QRect(332, 57, 47, 21));
        QCOMPARE(child<QPushButton>(w, "bquit")->geometry(), QRect(488, 344, 210, 49));
    }

    void tooltipsOnlyOnFourButtons_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("quit");
        QTest::addColumn<QString>("quitTip");
        QTest::addColumn<QString>("helpTip");
        QTest::newRow("French") << 1 << "Quitter"
                                << "Quitter le logiciel"
                                << "Voir l'aide générale";
        QTest::newRow("English") << 2 << "Quit"
                                 << "Close the software"
                                 << "View the help file";
        QTest::newRow("Croatian") << 6 << "Izlaz"
                                  << "Zatvoriti program"
                                  << "Pogledati pomoć";
        QTest::newRow("Portuguese: no captions") << 3 << ""
                                                 << ""
                                                 << "";
    }
    void tooltipsOnlyOnFourButtons()
    {
        QFETCH(int, language);
        start(Language(language));
        QTEST(child<QPushButton>(w, "bquit")->text(), "quit");
        QTEST(child<QPushButton>(w, "bquit")->toolTip(), "quitTip");
        QTEST(child<QPushButton>(w, "baidegene")->toolTip(), "helpTip");
        QCOMPARE(child<QPushButton>(w, "binfos")->toolTip(),
            child<QPushButton>(w, "binfos")->property("hint").toString());
        QCOMPARE(child<QPushButton>(w, "bparametre")->toolTip(),
            child<QPushButton>(w, "bparametre")->property("hint").toString());
        for (QPushButton *silent :
            { child<QPushButton>(w, "bvoirtick"), child<QPushButton>(w, "bimprimetickets"),
                child<QPushButton>(w, "bgenerefichier"), child<QPushButton>(w, "bcompar") }) {
            QVERIFY(silent->toolTip().isEmpty());
            QCOMPARE(silent->property("hint").isValid(), true);
        }
        if (language == 2)
            QCOMPARE(child<QPushButton>(w, "bcompar")->property("hint").toString(),
                QStringLiteral("Compare the systems played with the results"));
    }

    void keyFilterLetsOnlyDigitsAndBackspaceThrough_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << "42"
                                << "42";
        QTest::newRow("letters") << "a4b"
                                 << "4";
        QTest::newRow("minus and space") << "- 7"
                                         << "7";
        QTest::newRow("length limit") << "123"
                                      << "12";
        // Pasted (Ctrl+V is refused as a typed key; the context menu and the middle
        // button paste) or dropped text meets the same rule.
        QTest::newRow("pasted letters") << "paste:ab"
                                        << "1";
        QTest::newRow("pasted sign") << "paste:-5"
                                     << "1";
        QTest::newRow("pasted digits") << "paste:37"
                                       << "37";
    }
    void keyFilterLetsOnlyDigitsAndBackspaceThrough()
    {
        QFETCH(QString, keys);
        start();
        if (keys.startsWith(QLatin1String("paste:"))) {
            QApplication::clipboard()->setText(keys.mid(6));
            numberBox(w, 1)->lineEdit()->selectAll();
            numberBox(w, 1)->lineEdit()->paste();
        } else {
            typeInto(1, keys);
        }
        QTEST(numberBox(w, 1)->currentText(), "shown");
    }

    void theWheelChangesOnlyTheFocusedControl()
    {
        start();
        typeInto(3, QStringLiteral("33"));
        numberBox(w, 5)->setFocus();
        const int system = w->selectedSystem();
        turnWheelOver(numberBox(w, 3));
        turnWheelOver(child<QComboBox>(w, "clistesystemes"));
        QCOMPARE(numberBox(w, 3)->currentText(), QStringLiteral("33"));
        QCOMPARE(w->selectedSystem(), system);
        QVERIFY(numberBox(w, 5)->hasFocus());
        // The box that has the focus still follows the wheel.
        numberBox(w, 3)->setFocus();
        turnWheelOver(numberBox(w, 3));
        QVERIFY(numberBox(w, 3)->currentText() != QStringLiteral("33"));
    }

    void backspaceAndDeleteAreKept()
    {
        start();
        typeInto(2, QStringLiteral("38"));
        QTest::keyClick(numberBox(w, 2)->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(numberBox(w, 2)->currentText(), QStringLiteral("3"));
        typeInto(3, QStringLiteral("45"));
        QLineEdit *edit = numberBox(w, 3)->lineEdit();
        edit->setCursorPosition(0);
        // Qt types Delete as the character 0x7F; it must still delete.
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Delete, QChar(0x7F), Qt::NoModifier);
        QCOMPARE(numberBox(w, 3)->currentText(), QStringLiteral("5"));
    }

    void readingTheBoxesSkipsEmptiedOnes()
    {
        start();
        typeInto(1, QStringLiteral("07"));
        typeInto(2, QStringLiteral("12"));
        QTest::keyClick(numberBox(w, 2)->lineEdit(), Qt::Key_Backspace);
        QTest::keyClick(numberBox(w, 2)->lineEdit(), Qt::Key_Backspace);
        typeInto(3, QStringLiteral("33"));
        w->readBoxes();
        QCOMPARE(session->selection.numbers[1], 7);
        QCOMPARE(session->selection.numbers[2], 33);
        QCOMPARE(session->selection.numbers[3], 1);
    }

    void switchingSystemsHidesBoxesAndKeepsTheirText()
    {
        start();
        auto indexOfPool = [&](int pool) {
            for (int i = 0; i < child<QComboBox>(w, "clistesystemes")->count(); ++i) {
                if (systemDescriptor(child<QComboBox>(w, "clistesystemes")->itemData(i).toInt()).poolSize
                    == pool)
                    return i;
            }
            return -1;
        };
        const int big = indexOfPool(14);
        const int small = indexOfPool(9);
        QVERIFY(big >= 0 && small >= 0);
        pickSystem(big);
        typeInto(12, QStringLiteral("45"));
        pickSystem(small);
        QVERIFY(numberBox(w, 9)->isVisible());
        QVERIFY(!numberBox(w, 10)->isVisible());
        QVERIFY(!numberBox(w, 12)->isVisible());
        pickSystem(big);
        QVERIFY(numberBox(w, 14)->isVisible());
        QVERIFY(!numberBox(w, 15)->isVisible());
        QCOMPARE(numberBox(w, 12)->currentText(), QStringLiteral("45"));
    }

    void showingANumberInABox_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("shown");
        QTest::newRow("in range") << 17 << "17";
        QTest::newRow("fifty") << 50 << "50";
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("above fifty") << 51 << "";
        QTest::newRow("negative") << -4 << "";
    }
    void showingANumberInABox()
    {
        QFETCH(int, number);
        start();
        w->showNumberInBox(number, 5);
        QTEST(numberBox(w, 5)->currentText(), "shown");
    }

    void selectingAnUnknownIndexSelectsTheTopItem()
    {
        start();
        child<QComboBox>(w, "clistesystemes")
            ->setCurrentIndex(child<QComboBox>(w, "clistesystemes")->count() - 1);
        w->selectSystemByIndex(3);
        QCOMPARE(w->selectedSystem(), 3);
        w->selectSystemByIndex(999);
        QCOMPARE(child<QComboBox>(w, "clistesystemes")->currentIndex(), 0);
    }

    void captionsAreReappliedWhenAModalWindowCloses()
    {
        start();
        // The language changes behind the window's back; the next activation shows it.
        session->settings.languageCode = qint32(Language::English);
        QCOMPARE(child<QPushButton>(w, "bquit")->text(), QStringLiteral("Quitter"));
        AboutDialog *about = test::dialog<AboutDialog>(w);
        QTimer::singleShot(0, about, [about] { about->accept(); });
        child<QPushButton>(w, "binfos")->click();
        QTRY_COMPARE(child<QPushButton>(w, "bquit")->text(), QStringLiteral("Quit"));
    }

    void anEscapingErrorIsShownAndTheProgramCarriesOn()
    {
        start();
        runGuarded([] { throw std::runtime_error("disk on fire"); });
        const auto calls = fakes->prompts.messages();
        QCOMPARE(calls.size(), 1);
        // The library's words inside a sentence in the player's language.
        QCOMPARE(calls[0].text,
            QStringLiteral("La commande s'est arrêtée sur une erreur inattendue (disk on fire)."));
        QCOMPARE(calls[0].buttons, Prompts::Buttons::Ok);
        QVERIFY(w->isVisible());
    }

    void gradientIsTheBottomChildAndPaintsTheBands()
    {
        start();
        QCOMPARE(w->children().constFirst(),
            static_cast<QObject *>(child<GradientBackground>(w, "DegradeClass1")));
        QCOMPARE(child<GradientBackground>(w, "DegradeClass1")->geometry(), QRect(0, 0, 701, 419));
        const QImage image = child<GradientBackground>(w, "DegradeClass1")->grab().toImage();
        QCOMPARE(QColor(image.pixel(5, 0)), QColor(241, 255, 223));
        QCOMPARE(QColor(image.pixel(5, 418)), QColor(235, 254, 171));
        QCOMPARE(QColor(image.pixel(5, 164)), QColor(239, 255, 203));
    }

    void gradientRepaintsOnlyOnChangeAndFollowsItsParent()
    {
        QWidget parent;
        parent.resize(200, 256);
        auto *gradient = new GradientBackground(&parent);
        gradient->setStartColor(kWindowStartColor);
        gradient->setEndColor(kWindowEndColor);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                paints += e->type() == QEvent::Paint;
                return false;
            }
        } counter;
        gradient->installEventFilter(&counter);
        gradient->setStartColor(kWindowStartColor);
        QTest::qWait(50);
        QCOMPARE(counter.paints, 0);
        gradient->setStartColor(QColor(0, 0, 0));
        QTRY_VERIFY(counter.paints > 0);

        parent.resize(300, 512);
        QTRY_COMPARE(gradient->geometry(), QRect(0, 0, 300, 512));
        // From black to white every band is one grey step lighter than the one above.
        gradient->setEndColor(QColor(255, 255, 255));
        const QImage image = gradient->grab().toImage();
        // Bands of two pixels: band 10 covers rows 20 and 21.
        QCOMPARE(QColor(image.pixel(0, 19)), QColor(9, 9, 9));
        QCOMPARE(QColor(image.pixel(299, 20)), QColor(10, 10, 10));
        QCOMPARE(QColor(image.pixel(0, 21)), QColor(10, 10, 10));
        QCOMPARE(QColor(image.pixel(0, 22)), QColor(11, 11, 11));
        QCOMPARE(QColor(image.pixel(0, 511)), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
