// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel engine: catalogue and system list, reading the boxes, expanding boards.
#include "core/text/displaynames.h"
#include "core/text/translationfile.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/catalogue.h"
#include "core/wheels/selection.h"

#include <QTest>
#include <tuple>

using namespace quillon;

class TestWheels : public QObject {
    Q_OBJECT

private:
    Selection picked;
    const TranslationFile noTranslationFile;
    // The catalogue's texts in a language.
    Texts catalogue(int language) const { return Texts(&noTranslationFile, Language(language)); }

    static QStringList boxes(const QStringList &first)
    {
        QStringList texts = first;
        while (texts.size() < kBoxCount)
            texts.append(QStringLiteral("1"));
        return texts;
    }

private slots:
    void init() { picked = Selection {}; }

    void displayName_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("name");
        QTest::newRow("fr 1") << 1 << 1 << QStringLiteral("  5 numéros si  7 parmi 12 en     6 grilles");
        QTest::newRow("en 1") << 2 << 1 << QStringLiteral("  5 numbers if  7 in 12 in     6 boards");
        QTest::newRow("fr 7") << 1 << 7 << QStringLiteral("  5 numéros si  5 parmi 14 en   138 grilles");
        QTest::newRow("hr 7, empty word keeps both spaces")
            << 6 << 7 << QStringLiteral("  5  /  5 od 14 u   138 kombinacija");
        QTest::newRow("fr 119, widest G")
            << 1 << 119 << QStringLiteral("  6 numéros si  7 parmi 21 en  2784 grilles");
    }
    void displayName()
    {
        QFETCH(int, language);
        QFETCH(int, system);
        QFETCH(QString, name);
        QCOMPARE(quillon::displayName(Wheel::fromCatalogue(system), catalogue(language)), name);
    }

    void listIsOrderedByGuaranteeThenPoolThenBoards_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("French") << 1;
        QTest::newRow("English") << 2;
        QTest::newRow("Croatian") << 6;
    }
    void listIsOrderedByGuaranteeThenPoolThenBoards()
    {
        QFETCH(int, language);
        const QList<SystemListItem> items = systemListItems(catalogue(language));
        QCOMPARE(items.size(), kSystemCount);
        auto key = [](const SystemListItem &item) {
            const SystemDescriptor &d = systemDescriptor(item.index);
            return std::make_tuple(d.guarantee, d.condition, d.poolSize, d.boardCount);
        };
        QList<int> order;
        for (int i = 0; i < items.size(); ++i) {
            QVERIFY(hasWheelTable(items[i].index));
            QCOMPARE(items[i].text,
                quillon::displayName(Wheel::fromCatalogue(items[i].index), catalogue(language)));
            order.append(items[i].index);
            if (i > 0)
                QVERIFY2(key(items[i - 1]) < key(items[i]), qPrintable(items[i].text));
        }
        // Only the words differ between languages, so the order does too.
        QList<int> french;
        for (const SystemListItem &item : systemListItems(catalogue(1)))
            french.append(item.index);
        QCOMPARE(order, french);
    }

    void everyCompiledTableFitsItsDescriptor()
    {
        for (int s = 1; s <= kSystemCount; ++s) {
            if (!hasWheelTable(s))
                continue;
            const SystemDescriptor &d = systemDescriptor(s);
            for (int j = 1; j <= d.boardCount; ++j) {
                for (char letter : Wheel::fromCatalogue(s).board(j))
                    QVERIFY2(letter - 64 >= 1 && letter - 64 <= d.poolSize, qPrintable(QString::number(s)));
            }
        }
        for (int s = 1; s <= 8; ++s)
            QVERIFY(hasWheelTable(s));
    }

    void wholeNumberTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "7" << true << 7;
        QTest::newRow("leading zero") << "07" << true << 7;
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("spaces and sign") << "  -12" << true << -12;
        QTest::newRow("plus") << "+3" << true << 3;
        QTest::newRow("trailing space") << "5 " << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("lone sign") << "-" << false << 0;
        QTest::newRow("letters") << "1a" << false << 0;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    }
    void wholeNumberTest()
    {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QFETCH(int, value);
        qint32 v = 0;
        QCOMPARE(isWholeNumber(text, &v), whole);
        if (whole)
            QCOMPARE(v, value);
    }

    void readingTheBoxes()
    {
        // Empty and non-numeric boxes are passed over; the next box takes the slot.
        QStringList texts = boxes({ QStringLiteral("5"), QStringLiteral("07"), QString(), QStringLiteral("0"),
            QStringLiteral(" "), QStringLiteral("33") });
        QCOMPARE(readSelection(texts, picked), 38);
        QCOMPARE(picked.numbers[1], 5);
        QCOMPARE(picked.numbers[2], 7);
        QCOMPARE(picked.numbers[3], 0);
        QCOMPARE(picked.numbers[4], 33);
        QCOMPARE(picked.numbers[38], 1);
        // Slots beyond the last number read keep the older values.
        picked.numbers[40] = 99;
        texts[10] = QString();
        texts[11] = QString();
        QCOMPARE(readSelection(texts, picked), 36);
        QCOMPARE(picked.numbers[37], 1);
        QCOMPARE(picked.numbers[39], 0);
        QCOMPARE(picked.numbers[40], 99);
    }

    void generatingSystem3()
    {
        readSelection(boxes({ "5", "9", "14", "21", "27", "33", "38", "40", "44" }), picked);
        BoardList list;
        generate(Wheel::fromCatalogue(3), list);
        QCOMPARE(list.boardCount, 4);
        QCOMPARE(list.boardSize, 7);
        QCOMPARE(list.boards.size(), 5);
        QVERIFY(list.boards[0].isEmpty());
        QCOMPARE(list.boards[1], QByteArray("ABCDEFG"));
        QCOMPARE(list.boards[4], QByteArray("ABCDGHI"));
        auto numbers = [&](int j) {
            QList<int> n;
            for (int k = 1; k <= list.boardSize; ++k)
                n.append(numberAt(list.boards[j], k, picked));
            return n;
        };
        QCOMPARE(numbers(1), QList<int>({ 5, 9, 14, 21, 27, 33, 38 }));
        QCOMPARE(numbers(4), QList<int>({ 5, 9, 14, 21, 38, 40, 44 }));
        // The lookup reads the slots when asked: swapping two boxes reorders board 1.
        readSelection(boxes({ "44", "9", "14", "21", "27", "33", "38", "40", "5" }), picked);
        QCOMPARE(numbers(1), QList<int>({ 44, 9, 14, 21, 27, 33, 38 }));
    }

    void generatingReplacesTheWholeList()
    {
        BoardList list;
        generate(Wheel::fromCatalogue(7), list);
        QCOMPARE(list.boardCount, 138);
        QCOMPARE(list.boards.size(), 139);
        QVERIFY(list.boards[0].isEmpty());
        generate(Wheel::fromCatalogue(1), list);
        QCOMPARE(list.boardCount, 6);
        QCOMPARE(list.boards.size(), 7);
    }

    void startupSelectionMakesBoardsOfOnes()
    {
        readSelection(boxItemsAsTexts(), picked);
        BoardList list;
        generate(Wheel::fromCatalogue(1), list);
        for (int j = 1; j <= list.boardCount; ++j)
            for (int k = 1; k <= 7; ++k)
                QCOMPARE(numberAt(list.boards[j], k, picked), 1);
    }

private:
    static QStringList boxItemsAsTexts() { return boxes({}); }
};

QTEST_GUILESS_MAIN(TestWheels)
#include "test_wheels.moc"
