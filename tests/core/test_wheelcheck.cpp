// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/catalogue.h"
#include "core/wheels/wheel.h"
#include "core/wheels/wheelcheck.h"
#include "core/wheels/wheelsearch.h"

#include <QObject>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <bit>

using quillon::checkWheel;

namespace {

// System 1, 5 if 7 among 12 in 6 boards: a proven table to break in each test row.
const QStringList kSystem1 = { "ABDFHIJ", "ABCEHJK", "ABDFIJK", "BCDEFGL", "ACEGIJL", "DFGHIKL" };

// The 7-subsets of 1 ... 8 other than ABCDEFG: 7 if 7 among 8 fails on exactly that set.
const QStringList kFullEightMinusFirst
    = { "ABCDEFH", "ABCDEGH", "ABCDFGH", "ABCEFGH", "ABDEFGH", "ACDEFGH", "BCDEFGH" };

QByteArrayList toBoards(const QStringList &lines)
{
    QByteArrayList v;
    for (const QString &l : lines)
        v.append(l.toLatin1());
    return v;
}

// The boards of catalogue system `index` as position masks, and back as table lines.
QList<quillon::BoardMask> catalogueBoards(int index)
{
    const quillon::Wheel wheel = quillon::Wheel::fromCatalogue(index);
    QList<quillon::BoardMask> boards;
    for (int j = 1; j <= wheel.boardCount(); ++j) {
        quillon::BoardMask b = 0;
        for (char letter : wheel.board(j))
            b |= 1u << (letter - 'A');
        boards.append(b);
    }
    return boards;
}

QByteArrayList lettersOf(const QList<quillon::BoardMask> &boards)
{
    QByteArrayList lines;
    for (quillon::BoardMask b : boards)
        lines.append(quillon::wheelLetters(b));
    return lines;
}

QStringList replaced(QStringList lines, int index, const QString &line)
{
    lines[index] = line;
    return lines;
}

} // namespace

class TestWheelCheck : public QObject {
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("g");
        QTest::addColumn<QStringList>("boards");
        QTest::addColumn<QString>("reason"); // empty: the table must pass

        QTest::newRow("proven table") << 5 << 7 << 12 << 6 << kSystem1 << "";
        QTest::newRow("one board short")
            << 5 << 7 << 12 << 6 << kSystem1.mid(0, 5) << "expected 6 boards, found 5";
        QTest::newRow("one board too many")
            << 5 << 7 << 12 << 6 << (kSystem1 + QStringList { "ABCDEFG" }) << "expected 6 boards, found 7";
        QTest::newRow("six letters") << 5 << 7 << 12 << 6 << replaced(kSystem1, 2, "ABDFIJ")
                                     << "line 3: expected 7 letters, found 6";
        QTest::newRow("empty line") << 5 << 7 << 12 << 6 << replaced(kSystem1, 5, "")
                                    << "line 6: expected 7 letters, found 0";
        QTest::newRow("position beyond pool") << 5 << 7 << 12 << 6 << replaced(kSystem1, 1, "ABCEHJM")
                                              << "line 2: 'M' is not a position in 1 ... 12";
        QTest::newRow("lower-case letter") << 5 << 7 << 12 << 6 << replaced(kSystem1, 0, "aBDFHIJ")
                                           << "line 1: 'a' is not a position in 1 ... 12";
        QTest::newRow("not ascending") << 5 << 7 << 12 << 6 << replaced(kSystem1, 3, "BCDFEGL")
                                       << "line 4: positions not strictly ascending at 'E'";
        QTest::newRow("position twice") << 5 << 7 << 12 << 6 << replaced(kSystem1, 4, "ACEGIIL")
                                        << "line 5: positions not strictly ascending at 'I'";
        QTest::newRow("repeated board")
            << 5 << 7 << 12 << 6 << replaced(kSystem1, 5, "ABCEHJK") << "line 6: repeats line 2";
        QTest::newRow("position unused")
            << 1 << 1 << 8 << 1 << QStringList { "ABCDEFG" } << "position 8 (H) is in no board";
        QTest::newRow("guarantee broken")
            << 5 << 7 << 12 << 6 << replaced(kSystem1, 5, "CFGHIKL") << "no board holds 5 of ADEFGHK";
        QTest::newRow("only the missing full-wheel board uncovered")
            << 7 << 7 << 8 << 7 << kFullEightMinusFirst << "no board holds 7 of ABCDEFG";
        QTest::newRow("full wheel") << 7 << 7 << 8 << 8 << (kFullEightMinusFirst + QStringList { "ABCDEFG" })
                                    << "";
        QTest::newRow("disjoint boards") << 4 << 7 << 14 << 2 << QStringList { "ABCDEFG", "HIJKLMN" } << "";
        QTest::newRow("disjoint boards, one condition too weak")
            << 4 << 6 << 14 << 2 << QStringList { "ABCDEFG", "HIJKLMN" } << "no board holds 4 of ABCHIJ";
        QTest::newRow("largest pool")
            << 1 << 1 << 30 << 5 << QStringList { "ABCDEFG", "HIJKLMN", "OPQRSTU", "VWXYZ[\\", "WXYZ[]^" }
            << "";
        QTest::newRow("guarantee above condition")
            << 6 << 5 << 12 << 6 << kSystem1 << "impossible system 6-5-12-6";
        QTest::newRow("pool beyond 30") << 5 << 7 << 31 << 6 << kSystem1 << "impossible system 5-7-31-6";
    }

    void check()
    {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(int, m);
        QFETCH(int, g);
        QFETCH(QStringList, boards);
        QFETCH(QString, reason);
        const quillon::WheelCheckResult r = checkWheel(n, k, m, g, toBoards(boards));
        QCOMPARE(r.reason, reason);
        QCOMPARE(r.ok, reason.isEmpty());
    }

    void split_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("two lines") << QByteArray("ABCDEFG\nHIJKLMN\n") << true
                                   << QStringList { "ABCDEFG", "HIJKLMN" };
        QTest::newRow("no final newline") << QByteArray("ABCDEFG\nHIJKLMN") << false << QStringList {};
        QTest::newRow("carriage returns") << QByteArray("ABCDEFG\r\nHIJKLMN\r\n") << false << QStringList {};
        QTest::newRow("blank line kept")
            << QByteArray("ABCDEFG\n\nHIJKLMN\n") << true << QStringList { "ABCDEFG", "", "HIJKLMN" };
    }

    void split()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(QStringList, lines);
        QByteArrayList got;
        QString error;
        QCOMPARE(quillon::splitWheelText(text, got, error), ok);
        if (ok) {
            QCOMPARE(got, toBoards(lines));
        } else {
            QVERIFY(!error.isEmpty());
        }
    }

    // The search starts from the boards it is given: a complete table comes back as it is, a table
    // with boards taken out is filled up again, and a table is shrunk; each result proven.
    void searchFromGivenBoards_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("taken"); // boards taken out of the catalogue table
        QTest::addColumn<int>("downTo"); // shrink to this many boards (0: no shrinking)
        QTest::addColumn<bool>("weighted");
        QTest::addColumn<int>("expected"); // boards of the result

        QTest::newRow("complete table kept, weighted") << 11 << 0 << 0 << true << 100;
        QTest::newRow("complete table kept, annealing") << 91 << 0 << 0 << false << 101;
        QTest::newRow("holes filled, weighted") << 77 << 12 << 0 << true << 70;
        QTest::newRow("holes filled, annealing") << 77 << 12 << 0 << false << 70;
        QTest::newRow("shrunk, weighted") << 77 << 0 << 60 << true << 60;
        QTest::newRow("shrunk, annealing") << 77 << 0 << 60 << false << 60;
    }

    void searchFromGivenBoards()
    {
        QFETCH(int, system);
        QFETCH(int, taken);
        QFETCH(int, downTo);
        QFETCH(bool, weighted);
        QFETCH(int, expected);
        const quillon::SystemDescriptor &d = quillon::systemDescriptor(system);
        const QList<quillon::BoardMask> table = catalogueBoards(system);
        quillon::SearchRequest request;
        request.guarantee = d.guarantee, request.condition = d.condition, request.poolSize = d.poolSize;
        request.boards = d.boardCount;
        request.padTo = downTo > 0 ? 0 : d.boardCount;
        request.startBoards = table.mid(taken);
        request.weighted = weighted;
        request.minimiseMoves = downTo > 0 ? 1000000 : 0;
        request.downTo = downTo;
        const quillon::WheelSearchResult result = quillon::searchCovering(request);
        QVERIFY(result.covered);
        QCOMPARE(result.boards.size(), expected);
        if (taken == 0 && downTo == 0)
            QCOMPARE(lettersOf(result.boards), lettersOf(table));
        const quillon::WheelCheckResult check
            = checkWheel(d.guarantee, d.condition, d.poolSize, expected, lettersOf(result.boards));
        QVERIFY2(check.ok, qPrintable(check.reason));
    }

    // A search that cannot succeed (system 11 with 60 boards, below its lower bound of 78) ends when the
    // stop callback says so, reporting its progress on the way.
    void searchStopsWhenAsked_data()
    {
        QTest::addColumn<bool>("weighted");
        QTest::addColumn<bool>("given"); // 60 boards given: no greedy start
        QTest::newRow("weighted") << true << true;
        QTest::newRow("annealing") << false << true;
        QTest::newRow("greedy start, then weighted") << true << false;
        QTest::newRow("greedy start, then annealing") << false << false;
    }

    // From 60 given boards, the 21st ask ends the search after 20 progress reports; from
    // none, the 6th ask ends the greedy start, before any move (a Cancel there is heard).
    void searchStopsWhenAsked()
    {
        QFETCH(bool, weighted);
        QFETCH(bool, given);
        quillon::SearchRequest request;
        request.guarantee = 4, request.condition = 4, request.poolSize = 17, request.boards = 60;
        request.weighted = weighted;
        QRandomGenerator random(1);
        while (given && request.startBoards.size() < 60) {
            const quillon::BoardMask board = random.bounded(1u << 17);
            if (std::popcount(board) == 7)
                request.startBoards.append(board);
        }
        const int allowed = given ? 20 : 5;
        int asked = 0;
        qint64 lastMoves = -1;
        int reports = 0;
        const quillon::WheelSearchResult result = quillon::searchCovering(
            request, [&] { return ++asked > allowed; },
            [&](const quillon::SearchProgress &p) {
                QVERIFY(p.moves > lastMoves);
                QVERIFY(p.uncovered >= p.best && p.best > 0);
                lastMoves = p.moves;
                ++reports;
            });
        QVERIFY(result.stopped);
        QVERIFY(!result.covered);
        QCOMPARE(result.boards.size(), 60);
        QVERIFY(result.uncovered > 0);
        if (given) {
            QCOMPARE(asked, 21);
            QCOMPARE(reports, 20);
        } else {
            QCOMPARE(reports, 0);
            QCOMPARE(result.moves, 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestWheelCheck)
#include "test_wheelcheck.moc"
