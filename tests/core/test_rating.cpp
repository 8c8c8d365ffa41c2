// SPDX-License-Identifier: GPL-3.0-or-later
// Rating the boards against a draw: categories, result texts and the summary.
#include "core/draw/rating.h"
#include "core/wheels/selection.h"

#include <QTest>

using namespace quillon;

namespace {

DrawState drawOf(std::initializer_list<qint32> entries)
{
    DrawState state;
    int e = 1;
    for (qint32 v : entries)
        state.entries[size_t(e++)] = v;
    return state;
}

const QString kComp = QStringLiteral("Comp");
const QString kNumbersWord = QStringLiteral("numéros");

} // namespace

class TestRating : public QObject {
    Q_OBJECT

private slots:
    void rating_data()
    {
        QTest::addColumn<QList<qint32>>("board");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("text");
        // Draw: 1 … 7 main, 8 and 9 bonus.
        QTest::newRow("seven") << QList<qint32> { 1, 2, 3, 4, 5, 6, 7 } << 7 << 0 << 1 << "7";
        QTest::newRow("six and both bonus")
            << QList<qint32> { 1, 2, 3, 4, 5, 8, 9 } << 5 << 2 << 5 << "5 + 2 Comp";
        QTest::newRow("six and one bonus")
            << QList<qint32> { 1, 2, 3, 4, 5, 6, 9 } << 6 << 1 << 3 << "6 +  Comp";
        QTest::newRow("six") << QList<qint32> { 1, 2, 3, 4, 5, 6, 40 } << 6 << 0 << 4 << "6";
        QTest::newRow("five and one bonus")
            << QList<qint32> { 1, 2, 3, 4, 5, 8, 40 } << 5 << 1 << 6 << "5 +  Comp";
        QTest::newRow("four and two bonus")
            << QList<qint32> { 1, 2, 3, 4, 8, 9, 40 } << 4 << 2 << 8 << "4 + 2 Comp";
        QTest::newRow("three") << QList<qint32> { 1, 2, 3, 40, 41, 42, 43 } << 3 << 0 << 13 << "3";
        QTest::newRow("three and one bonus")
            << QList<qint32> { 1, 2, 3, 9, 41, 42, 43 } << 3 << 1 << 12 << "3 +  Comp";
        QTest::newRow("two and both bonus") << QList<qint32> { 1, 2, 8, 9, 41, 42, 43 } << 2 << 2 << 0 << "";
        QTest::newRow("nothing") << QList<qint32> { 40, 41, 42, 43, 44, 45, 46 } << 0 << 0 << 0 << "";
        // A number repeated on a board counts each time it appears.
        QTest::newRow("repeated number") << QList<qint32> { 1, 1, 1, 40, 41, 42, 43 } << 3 << 0 << 13 << "3";
    }
    void rating()
    {
        QFETCH(QList<qint32>, board);
        QFETCH(int, main);
        QFETCH(int, bonus);
        QFETCH(int, category);
        QFETCH(QString, text);
        const DrawState draw = drawOf({ 1, 2, 3, 4, 5, 6, 7, 8, 9 });
        const BoardRating r = rateBoard(board.constData(), 7, draw);
        QCOMPARE(r.main, main);
        QCOMPARE(r.bonus, bonus);
        QCOMPARE(categoryOf(r), category);
        QCOMPARE(resultText(r, kComp), text);
    }

    void summaryListsTheCategoriesInOrder_data()
    {
        QTest::addColumn<QList<int>>("counters"); // categories 1 … 13
        QTest::addColumn<QString>("numbersWord");
        QTest::addColumn<QString>("summary");
        QTest::newRow("example") << QList<int> { 0, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0 } << kNumbersWord
                                 << QStringLiteral("2 X 5 numéros + Comp\r1 X 4 numéros\r");
        QTest::newRow("five and two bonus") << QList<int> { 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 }
                                            << kNumbersWord << QStringLiteral("1 X 5 numéros + 2 Comp\r");
        QTest::newRow("every category")
            << QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 } << kNumbersWord
            << QStringLiteral("1 X 7 numéros\r2 X 6 numéros + 2 Comp\r3 X 6 numéros + Comp\r"
                              "4 X 6 numéros\r5 X 5 numéros + 2 Comp\r6 X 5 numéros + Comp\r"
                              "7 X 5 numéros\r8 X 4 numéros + 2 Comp\r9 X 4 numéros + Comp\r"
                              "10 X 4 numéros\r11 X 3 numéros + 2 Comp\r12 X 3 numéros + Comp\r"
                              "13 X 3 numéros\r");
        QTest::newRow("empty word") << QList<int> { 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0 } << QString()
                                    << QStringLiteral("1 X 6 \r");
        QTest::newRow("nothing won") << QList<int>(13, 0) << kNumbersWord << QString();
    }
    void summaryListsTheCategoriesInOrder()
    {
        QFETCH(QList<int>, counters);
        QFETCH(QString, numbersWord);
        QFETCH(QString, summary);
        DrawState state;
        for (int c = 1; c <= kCategoryCount; ++c)
            state.counters[size_t(c)] = counters[c - 1];
        QCOMPARE(summaryText(state, numbersWord, kComp), summary);
    }

    // An empty or unreadable box keeps its entry from the last comparison, except
    // the second bonus number, which always starts at 0; counters start at 0.
    void readingTheDraw()
    {
        DrawState state;
        state.counters.fill(5);
        readDraw({ "1", "2", "3", "4", "5", "6", "7", "8", "9" }, state);
        QCOMPARE(state.entries, (std::array<qint32, 10> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }));
        QCOMPARE(state.counters, (std::array<qint32, 14> {}));
        QVERIFY(drawIsDistinct(state));

        readDraw({ "11", "", "x", "14", "15", "16", "17", "18", "" }, state);
        QCOMPARE(state.entries, (std::array<qint32, 10> { 0, 11, 2, 3, 14, 15, 16, 17, 18, 0 }));
        QVERIFY(drawIsDistinct(state));
    }

    void duplicates_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("distinct");
        QTest::newRow("all ones, c9 empty")
            << QStringList { "1", "1", "1", "1", "1", "1", "1", "1", "" } << false;
        QTest::newRow("c9 empty") << QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "" } << true;
        QTest::newRow("c9 empty and a 0")
            << QStringList { "0", "2", "3", "4", "5", "6", "7", "8", "" } << false;
        QTest::newRow("bonus repeats a main")
            << QStringList { "1", "2", "3", "4", "5", "6", "7", "7", "9" } << false;
        QTest::newRow("out of range accepted")
            << QStringList { "1", "2", "3", "4", "5", "6", "77", "99", "0" } << true;
    }
    void duplicates()
    {
        QFETCH(QStringList, boxes);
        QFETCH(bool, distinct);
        DrawState state;
        readDraw(boxes, state);
        QCOMPARE(drawIsDistinct(state), distinct);
    }

    void comparingCountsEveryBoard()
    {
        Selection picked;
        for (int p = 1; p <= kSlotCount; ++p)
            picked.numbers[size_t(p)] = p;
        BoardList list;
        list.boardCount = 3;
        list.boardSize = 7;
        list.boards = { QByteArray(), "ABCDEFG", "ABCDEHI", "AJKLMNO" };
        DrawState state = drawOf({ 1, 2, 3, 4, 5, 6, 7, 8, 9 });
        state.counters[4] = 99;
        readDraw({ "1", "2", "3", "4", "5", "6", "7", "8", "9" }, state);
        const Comparison c = compareBoards(list, picked, state, kComp);
        QCOMPARE(c.results, (QStringList { "7", "5 + 2 Comp", "" }));
        QCOMPARE(c.numbers.mid(7, 7), (QList<qint32> { 1, 2, 3, 4, 5, 8, 9 }));
        QCOMPARE(state.counters, (std::array<qint32, 14> { 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 }));
    }
};

QTEST_GUILESS_MAIN(TestRating)
#include "test_rating.moc"
