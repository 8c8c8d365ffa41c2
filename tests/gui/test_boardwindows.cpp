// SPDX-License-Identifier: GPL-3.0-or-later
// The board list and compare windows and the main window's view, export and compare
// commands, with real widgets under the offscreen platform and scripted prompts.
#include "core/draw/rating.h"
#include "core/wheels/boardlist.h"
#include "gui/application.h"
#include "gui/boardlistdialog.h"
#include "gui/boardtablemodel.h"
#include "gui/comparedialog.h"
#include "gui/mainwindow.h"
#include "support/children.h"
#include "support/fakeplatform.h"
#include "support/program.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using namespace quillon;
using test::child;
using test::numberBox;
using test::typeInto;

namespace {

const QStringList kExample = { "5", "9", "14", "21", "27", "33", "38", "40", "44" };

// The grid as the player reads it: row 0 is the header row (the corner text, then the
// column headers), row r the vertical header of board r and then its cells; column 0 is
// the header column.
QString cell(const QTableView *grid, int col, int r)
{
    const QAbstractItemModel *model = grid->model();
    if (r == 0 && col == 0)
        return qobject_cast<const BoardTableModel *>(model)->cornerText();
    if (r == 0)
        return model->headerData(col - 1, Qt::Horizontal).toString();
    if (col == 0)
        return model->headerData(r - 1, Qt::Vertical).toString();
    return model->index(r - 1, col - 1).data().toString();
}

QStringList row(const QTableView *grid, int r, int from, int to)
{
    QStringList cells;
    for (int col = from; col <= to; ++col)
        cells.append(cell(grid, col, r));
    return cells;
}

// The colour cell (col, r), counted as in cell(), was painted with, away from its text
// and its grid lines; invalid when the cell is scrolled out of sight.
QColor cellColour(QTableView *grid, int col, int r)
{
    QWidget *surface = grid->viewport();
    QRect rect;
    if (r == 0 && col == 0) {
        surface = grid->findChild<QAbstractButton *>();
        rect = surface->rect();
    } else if (r == 0) {
        surface = grid->horizontalHeader()->viewport();
        rect = QRect(grid->columnViewportPosition(col - 1), 0, grid->columnWidth(col - 1), surface->height());
    } else if (col == 0) {
        surface = grid->verticalHeader()->viewport();
        rect = QRect(0, grid->rowViewportPosition(r - 1), surface->width(), grid->rowHeight(r - 1));
    } else {
        rect = grid->visualRect(grid->model()->index(r - 1, col - 1));
    }
    if (!surface->rect().contains(rect))
        return {};
    return surface->grab().toImage().pixelColor(rect.right() - 3, rect.bottom() - 3);
}

} // namespace

class TestBoardWindows : public QObject, test::ProgramFixture {
    Q_OBJECT

    QTemporaryDir folder;

    void start(int system = 3, const QStringList &numbers = kExample)
    {
        QVERIFY(startIn(folder.path()));
        w->selectSystemByIndex(system);
        w->applySelectionBoxRule();
        QCOMPARE(w->selectedSystem(), system);
        for (int tag = 1; tag <= numbers.size(); ++tag)
            typeInto(numberBox(w, tag), numbers[tag - 1]);
    }

    // Presses a main-window button and, once the modal window it opens is active,
    // runs check on it, then closes it.
    template <class Check> void whileOpen(QAbstractButton *button, QDialog *dialog, Check check)
    {
        bool checked = false;
        dialog->setWindowTitle(QString()); // set again by the activation handler
        QTimer::singleShot(0, dialog, [&] {
            // The window runs its activation handler once the activation event arrives.
            if (QTest::qWaitForWindowActive(dialog)
                && QTest::qWaitFor([dialog] { return !dialog->windowTitle().isEmpty(); })) {
                check();
                checked = true;
            }
            dialog->close();
        });
        button->click();
        QVERIFY2(checked, "the window did not open, or never became active and set its title");
        QVERIFY(!dialog->isVisible());
    }

    BoardListDialog *list() const { return test::dialog<BoardListDialog>(w); }
    CompareDialog *compare() const { return test::dialog<CompareDialog>(w); }

private slots:
    void cleanup() { stopProgram(); }

    void viewShowsTheBoardsInTheGrid()
    {
        start();
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [this] {
            QTableView *grid = child<QTableView>(list(), "grillecomb");
            QCOMPARE(list()->size(), QSize(671, 353));
            QCOMPARE(list()->windowTitle(), QStringLiteral("Liste des grilles à jouer"));
            QCOMPARE(child<QLabel>(list(), "lnbtickets")->text(), QStringLiteral("4"));
            QCOMPARE(grid->geometry(), QRect(0, 46, 393, 257));
            QCOMPARE(grid->model()->columnCount(), 7);
            QCOMPARE(grid->model()->rowCount(), 4);
            // Cell sizes with the one-pixel grid line that follows each cell.
            QCOMPARE(grid->verticalHeader()->width(), 61);
            QCOMPARE(grid->horizontalHeader()->height(), 25);
            for (int col = 0; col < 7; ++col)
                QCOMPARE(grid->columnWidth(col), 41);
            QCOMPARE(grid->rowHeight(3), 25);
            QCOMPARE(row(grid, 0, 0, 7), (QStringList { "Grille", "", "", "", "", "", "", "" }));
            QCOMPARE(row(grid, 1, 0, 7), (QStringList { "1", "5", "9", "14", "21", "27", "33", "38" }));
            QCOMPARE(row(grid, 4, 0, 7), (QStringList { "4", "5", "9", "14", "21", "38", "40", "44" }));
            // The list window gets the normal pointer.
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        });
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        // A changed box shows in every board that uses its position, in position order.
        typeInto(numberBox(w, 1), QStringLiteral("44"));
        typeInto(numberBox(w, 9), QStringLiteral("5"));
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [this] {
            QTableView *grid = child<QTableView>(list(), "grillecomb");
            QCOMPARE(row(grid, 1, 1, 7), (QStringList { "44", "9", "14", "21", "27", "33", "38" }));
            QCOMPARE(row(grid, 2, 1, 7), (QStringList { "44", "21", "27", "33", "38", "40", "5" }));
            QCOMPARE(row(grid, 4, 1, 7), (QStringList { "44", "9", "14", "21", "38", "40", "5" }));
        });
    }

    // The corner holds its whole text in every language; the board column keeps its
    // width where the text fits in it.
    void cornerHoldsItsText_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("corner");
        QTest::addColumn<bool>("widened");
        QTest::newRow("French") << Language::French << "Grille" << false;
        QTest::newRow("English") << Language::English << "Board" << false;
        QTest::newRow("Croatian") << Language::Croatian << "Kombinacija" << true;
    }
    void cornerHoldsItsText()
    {
        QFETCH(Language, language);
        QFETCH(QString, corner);
        QFETCH(bool, widened);
        start();
        session->settings.languageCode = qint32(language);
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [&] {
            QTableView *grid = child<QTableView>(list(), "grillecomb");
            QCOMPARE(cell(grid, 0, 0), corner);
            const int room = grid->findChild<QAbstractButton *>()->width() - 1 - 2;
            QVERIFY2(QFontMetrics(grid->font()).horizontalAdvance(corner) <= room,
                qPrintable(QString::number(room)));
            QCOMPARE(grid->verticalHeader()->width() > 61, widened);
        });
    }

    void reopeningAfterAnotherSystemShowsOnlyItsBoards()
    {
        start(7);
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [this] {
            QCOMPARE(child<QTableView>(list(), "grillecomb")->model()->rowCount(), 138);
            QCOMPARE(child<QLabel>(list(), "lnbtickets")->text(), QStringLiteral("138"));
        });
        w->selectSystemByIndex(1);
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [this] {
            QTableView *grid = child<QTableView>(list(), "grillecomb");
            QCOMPARE(grid->model()->rowCount(), 6);
            QCOMPARE(grid->model()->columnCount(), 7);
            QCOMPARE(child<QLabel>(list(), "lnbtickets")->text(), QStringLiteral("6"));
            QCOMPARE(cell(grid, 0, 6), QStringLiteral("6"));
        });
    }

    void gridRowsAreStriped()
    {
        start(7);
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [this] {
            QTableView *grid = child<QTableView>(list(), "grillecomb");
            const QColor lilac(199, 185, 200), white(255, 255, 255), mint(225, 255, 244);
            QCOMPARE(cellColour(grid, 0, 0), lilac);
            QCOMPARE(cellColour(grid, 3, 0), lilac);
            QCOMPARE(cellColour(grid, 0, 1), lilac);
            QCOMPARE(cellColour(grid, 0, 2), lilac);
            QCOMPARE(cellColour(grid, 1, 1), white);
            QCOMPARE(cellColour(grid, 7, 3), white);
            QCOMPARE(cellColour(grid, 1, 2), mint);
            QCOMPARE(cellColour(grid, 5, 4), mint);
            // Past the last column the header row is blank.
            QWidget *header = grid->horizontalHeader()->viewport();
            QCOMPARE(header->grab().toImage().pixelColor(header->width() - 3, 10), white);
            // Scrolled down, the header row and column stay and the stripes follow the row number.
            grid->verticalScrollBar()->setValue(99);
            QCOMPARE(grid->rowAt(0), 99);
            QCOMPARE(cellColour(grid, 1, 1), QColor());
            QCOMPARE(cellColour(grid, 2, 0), lilac);
            QCOMPARE(cellColour(grid, 2, 100), mint);
            QCOMPARE(cellColour(grid, 2, 101), white);
            QCOMPARE(cellColour(grid, 0, 101), lilac);
        });
    }

    void keyboardSelectsCopiesAndLeavesTheGrid()
    {
        start();
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [this] {
            QTableView *grid = child<QTableView>(list(), "grillecomb");
            grid->setCurrentIndex(grid->model()->index(0, 0));
            // The arrows move the current cell; with Shift they widen the selection.
            QTest::keyClick(grid, Qt::Key_Right);
            QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
            QCOMPARE(cellColour(grid, 3, 2), grid->palette().color(QPalette::Highlight));
            QCOMPARE(cellColour(grid, 4, 2), QColor(225, 255, 244));
            QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("9\t14\n21\t27"));
            // Tab leaves the grid for the next control.
            grid->setFocus();
            QVERIFY(grid->hasFocus());
            QTest::keyClick(grid, Qt::Key_Tab);
            QVERIFY(!grid->hasFocus());
        });
    }

    void printingTheListInEnglish()
    {
        start();
        session->settings.languageCode = qint32(Language::English);
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [this] {
            QCOMPARE(cell(child<QTableView>(list(), "grillecomb"), 0, 0), QStringLiteral("Board"));
            // Return in the grid prints nothing: "Imprimer" is not the default button.
            QTest::keyClick(child<QTableView>(list(), "grillecomb"), Qt::Key_Return);
            QVERIFY(fakes->printLog->documents.isEmpty());
            child<QPushButton>(list(), "bimprime")->click();
            QVERIFY(list()->isVisible());
        });
        QCOMPARE(fakes->printLog->documents.size(), 1);
        const test::PrintedDocument &doc = fakes->printLog->documents[0];
        QVERIFY(doc.ended);
        QCOMPARE(doc.pages.size(), 1);
        QStringList texts;
        for (const test::PrintOp &op : doc.pages[0])
            texts.append(op.text);
        QCOMPARE(texts,
            (QStringList { "LISTE DES PARIS", "5 9 14 21 27 33 38 ", "5 21 27 33 38 40 44 ",
                "9 14 27 33 38 40 44 ", "5 9 14 21 38 40 44 " }));
    }

    void aPrinterFailureIsShownAndTheWindowStays()
    {
        start();
        fakes->printLog->failBegin = true;
        whileOpen(child<QPushButton>(w, "bvoirtick"), list(), [this] {
            child<QPushButton>(list(), "bimprime")->click();
            QVERIFY(list()->isVisible());
            QCOMPARE(fakes->prompts.messages().size(), 1);
            QCOMPARE(fakes->prompts.messages()[0].text, QStringLiteral("No printer available"));
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
            // Still usable: the next attempt prints.
            fakes->printLog->failBegin = false;
            child<QPushButton>(list(), "bimprime")->click();
        });
        QCOMPARE(fakes->printLog->documents.size(), 1);
    }

    void exportWritesTheChosenFile()
    {
        start();
        const QString path = folder.filePath(QStringLiteral("boards"));
        fakes->prompts.fileNames.enqueue(path);
        child<QPushButton>(w, "bgenerefichier")->click();
        QCOMPARE(fakes->prompts.calls.size(), 1);
        const auto &dialog = fakes->prompts.calls[0].dialog;
        QCOMPARE(dialog.title, QStringLiteral("Indiquez le nom du fichier à enregistrer"));
        QCOMPARE(dialog.filterName, QStringLiteral("text (*.txt)"));
        QCOMPARE(dialog.filterPattern, QStringLiteral("*.txt"));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("txt"));
        QFile file(path + QStringLiteral(".txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
            QByteArray("5,9,14,21,27,33,38,\r\n5,21,27,33,38,40,44,\r\n"
                       "9,14,27,33,38,40,44,\r\n5,9,14,21,38,40,44,\r\n"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        // The dialog starts with the name last chosen; cancelling writes nothing.
        file.close();
        QVERIFY(file.remove());
        child<QPushButton>(w, "bgenerefichier")->click();
        QCOMPARE(fakes->prompts.calls.size(), 2);
        QCOMPARE(fakes->prompts.calls[1].dialog.initialPath, path + QStringLiteral(".txt"));
        QVERIFY(!file.exists());

        // The name is shared with the game save, each with the suffix of its own files,
        // so that neither command proposes the other's file.
        child<QPushButton>(w, "brengjeu")->click();
        QCOMPARE(fakes->prompts.calls[2].dialog.initialPath, path + QStringLiteral(".qz"));
        fakes->prompts.fileNames.enqueue(folder.filePath(QStringLiteral("jeu.qz")));
        child<QPushButton>(w, "brengjeu")->click();
        child<QPushButton>(w, "bgenerefichier")->click();
        QCOMPARE(fakes->prompts.calls.last().dialog.initialPath, folder.filePath(QStringLiteral("jeu.txt")));
    }

    void overwritingAsksFirst_data()
    {
        QTest::addColumn<test::FakePrompts::Answer>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("No keeps the file") << Prompts::Answer::No << false;
        QTest::newRow("Yes replaces it") << Prompts::Answer::Yes << true;
    }
    void overwritingAsksFirst()
    {
        QFETCH(test::FakePrompts::Answer, answer);
        QFETCH(bool, replaced);
        start(1);
        const QString path = folder.filePath(QStringLiteral("old.txt"));
        const QByteArray old("keep me\nexactly\r\n\0bytes", 24);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        fakes->prompts.fileNames.enqueue(path);
        fakes->prompts.answers.enqueue(answer);
        child<QPushButton>(w, "bgenerefichier")->click();
        const auto messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Continuer quand même ?"));
        QCOMPARE(messages[0].caption, QStringLiteral("Fichier existant"));
        QCOMPARE(messages[0].buttons, Prompts::Buttons::YesNo);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray now = file.readAll();
        if (replaced)
            QCOMPARE(now.count("\r\n"), 6);
        else
            QCOMPARE(now, old);
    }

    void anExportThatCannotBeWrittenIsReported()
    {
        start();
        const QString path = folder.filePath(QStringLiteral("missing/boards.txt"));
        fakes->prompts.fileNames.enqueue(path);
        child<QPushButton>(w, "bgenerefichier")->click();
        const auto messages = fakes->prompts.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].text.startsWith(path), qPrintable(messages[0].text));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(w->isVisible());
    }

    void compareWindowStartsWithOnesAndAnEmptySecondBonus()
    {
        start();
        whileOpen(child<QPushButton>(w, "bcompar"), compare(), [this] {
            QCOMPARE(compare()->size(), QSize(687, 429));
            QCOMPARE(compare()->windowTitle(), QStringLiteral("Comparer le jeu avec le tirage"));
            for (int tag = 1; tag <= 9; ++tag) {
                QCOMPARE(numberBox(compare(), tag)->count(), 50);
                QCOMPARE(numberBox(compare(), tag)->property("Tag").toInt(), tag);
                QCOMPARE(
                    numberBox(compare(), tag)->currentText(), tag == 9 ? QString() : QStringLiteral("1"));
            }
            // Only digits and backspace reach a box, typed to the box that holds the focus.
            QComboBox *box = numberBox(compare(), 1);
            QLineEdit *edit = box->lineEdit();
            edit->clear();
            QTest::keyClicks(box, QStringLiteral("a- 4+2x"));
            QCOMPARE(edit->text(), QStringLiteral("42"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(edit->text(), QStringLiteral("4"));
            QTest::keyClicks(box, QStringLiteral("789"));
            QCOMPARE(edit->text(), QStringLiteral("47"));

            // Return in a box runs nothing: no button is the default.
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(fakes->prompts.messages().isEmpty());

            // "Voir" with boxes 1 … 8 all showing 1. The message box takes the activation
            // from the window and gives it back.
            test::showRealBoxes(fakes->prompts);
            box->setEditText(QStringLiteral("1"));
            typeInto(numberBox(compare(), 9), QStringLiteral("12"));
            child<QPushButton>(compare(), "bvoir")->click();
            const auto messages = fakes->prompts.messages();
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages[0].text, QStringLiteral("Numéros selectionnés incorrects"));
            QCOMPARE(messages[0].caption, QStringLiteral("Problème !!"));
            QCOMPARE(messages[0].buttons, Prompts::Buttons::Ok);
            QTableView *grid = child<QTableView>(compare(), "grillecomb");
            QCOMPARE(grid->model()->rowCount(), 0);
            // With nothing to show the grid is blank, without an empty header row or column.
            QCOMPARE(grid->grab().toImage().pixelColor(10, 10), QColor(Qt::white));
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
            // What the player typed is still there after the message.
            QCOMPARE(numberBox(compare(), 9)->currentText(), QStringLiteral("12"));
            typeInto(numberBox(compare(), 3), QStringLiteral("27"));
        });
        // Opened again, the boxes start afresh.
        whileOpen(child<QPushButton>(w, "bcompar"), compare(), [this] {
            QCOMPARE(numberBox(compare(), 3)->currentText(), QStringLiteral("1"));
            QCOMPARE(numberBox(compare(), 9)->currentText(), QString());
        });
    }

    // One row per board compared; none at all when there is no board.
    void comparisonRowsAreTheBoards_data()
    {
        QTest::addColumn<int>("boards");
        QTest::newRow("no board") << 0;
        QTest::newRow("one board") << 1;
        QTest::newRow("three boards") << 3;
    }
    void comparisonRowsAreTheBoards()
    {
        QFETCH(int, boards);
        Comparison comparison;
        comparison.boardCount = boards;
        comparison.boardSize = 7;
        for (int k = 0; k < boards * 7; ++k)
            comparison.numbers.append(k + 1);
        for (int b = 0; b < boards; ++b)
            comparison.results.append(QStringLiteral("3"));
        ComparisonTableModel model;
        model.setComparison(comparison, QStringLiteral("Grille"));
        QCOMPARE(model.rowCount(), boards);
        QCOMPARE(model.columnCount(), 8);
    }

    // A screen reader names each box by its place, in the current language: the names
    // are set again with the window's texts when another language comes in.
    void boxesAreNamedForScreenReaders()
    {
        start();
        const auto drawBoxNames = [this](const QString &third, const QString &ninth) {
            whileOpen(child<QPushButton>(w, "bcompar"), compare(), [&] {
                QCOMPARE(numberBox(compare(), 3)->accessibleName(), third);
                QCOMPARE(numberBox(compare(), 9)->accessibleName(), ninth);
            });
        };
        QCOMPARE(numberBox(w, 12)->accessibleName(), QStringLiteral("Numéro 12"));
        drawBoxNames(QStringLiteral("Numéro tiré 3"), QStringLiteral("Numéro complémentaire 2"));

        session->settings.languageCode = qint32(Language::Croatian);
        w->applyCaptions();
        QCOMPARE(numberBox(w, 12)->accessibleName(), QStringLiteral("Broj 12"));
        drawBoxNames(QStringLiteral("Izvučeni broj 3"), QStringLiteral("Dopunski broj 2"));
    }

    void comparingRatesEveryBoard()
    {
        start();
        whileOpen(child<QPushButton>(w, "bcompar"), compare(), [this] {
            CompareDialog *f = compare();
            const QStringList draw = { "5", "9", "14", "21", "27", "33", "2", "38", "40" };
            for (int tag = 1; tag <= 9; ++tag)
                typeInto(numberBox(f, tag), draw[tag - 1]);
            child<QPushButton>(f, "bvoir")->click();
            QTableView *grid = child<QTableView>(f, "grillecomb");
            QCOMPARE(grid->model()->columnCount(), 8);
            QCOMPARE(grid->model()->rowCount(), 4);
            QCOMPARE(grid->verticalHeader()->width(), 61);
            QCOMPARE(grid->columnWidth(6), 41);
            QCOMPARE(grid->columnWidth(7), 101);
            QCOMPARE(row(grid, 0, 0, 8), (QStringList { "Grille", "", "", "", "", "", "", "", "" }));
            QCOMPARE(row(grid, 1, 0, 8),
                (QStringList { "1", "5", "9", "14", "21", "27", "33", "38", "6 +  Comp" }));
            QCOMPARE(row(grid, 2, 8, 8), QStringList { "4 + 2 Comp" });
            QCOMPARE(f->summary(), QStringLiteral("1 X 6 numéros + Comp\r3 X 4 numéros + 2 Comp\r"));
            QCOMPARE(child<QLabel>(f, "laffresul")->text(),
                QStringLiteral("1 X 6 numéros + Comp\n3 X 4 numéros + 2 Comp\n"));
            QCOMPARE(cellColour(grid, 8, 1), QColor(255, 255, 255));
            QCOMPARE(cellColour(grid, 8, 2), QColor(225, 255, 244));
            QCOMPARE(cellColour(grid, 0, 2), QColor(199, 185, 200));

            // An emptied main box keeps its number; an empty second bonus box is 0.
            typeInto(numberBox(f, 7), QString());
            typeInto(numberBox(f, 9), QString());
            child<QPushButton>(f, "bvoir")->click();
            QCOMPARE(session->draw.entries[7], 2);
            QCOMPARE(session->draw.entries[9], 0);
            QCOMPARE(row(grid, 2, 8, 8), QStringList { "4 +  Comp" });
            QCOMPARE(f->summary(), QStringLiteral("1 X 6 numéros + Comp\r3 X 4 numéros + Comp\r"));

            // Five main numbers and both bonus numbers.
            const QStringList second = { "5", "9", "14", "21", "27", "1", "2", "33", "38" };
            for (int tag = 1; tag <= 9; ++tag)
                typeInto(numberBox(f, tag), second[tag - 1]);
            child<QPushButton>(f, "bvoir")->click();
            QCOMPARE(row(grid, 1, 8, 8), QStringList { "5 + 2 Comp" });
            QCOMPARE(f->summary(),
                QStringLiteral("1 X 5 numéros + 2 Comp\r1 X 4 numéros + Comp\r2 X 3 numéros + 2 Comp\r"));

            // A draw that hits nothing leaves the result cells and the summary empty.
            const QStringList none = { "41", "42", "43", "45", "46", "47", "48", "49", "50" };
            for (int tag = 1; tag <= 9; ++tag)
                typeInto(numberBox(f, tag), none[tag - 1]);
            child<QPushButton>(f, "bvoir")->click();
            QCOMPARE(row(grid, 1, 8, 8), QStringList { "" });
            QCOMPARE(f->summary(), QString());
            QVERIFY(fakes->prompts.messages().isEmpty());
        });
    }
};

QTEST_MAIN(TestBoardWindows)
#include "test_boardwindows.moc"
