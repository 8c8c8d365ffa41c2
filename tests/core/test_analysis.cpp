// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analysis/boardfile.h"
#include "core/analysis/chances.h"
#include "core/analysis/coverage.h"
#include "core/analysis/wheelsearching.h"

#include <QObject>
#include <QRegularExpression>
#include <QTest>
#include <bit>
#include <cmath>

using namespace quillon;

namespace {

Wheel wheelOf(int n, int k, int m, const QStringList &boards)
{
    return Wheel(n, k, m, boards.join(QString()).toLatin1());
}

// Every j-subset of 1 … M against every board, one popcount each: the figures as plainly
// as they can be counted.
CoverageFigures bruteForce(const Wheel &wheel)
{
    const std::vector<quint32> boards = boardMasks(wheel);
    CoverageFigures f;
    f.poolSize = wheel.poolSize();
    f.boardCount = wheel.boardCount();
    for (int j = 1; j <= f.maxDrawn(); ++j)
        for (int h = 0; h <= j; ++h)
            f.spread[size_t(j)][size_t(h)].assign(size_t(f.boardCount) + 1, 0);
    for (quint32 subset = 1; subset < (1u << f.poolSize); ++subset) {
        const int j = std::popcount(subset);
        if (j > f.maxDrawn())
            continue;
        std::array<quint64, 8> counts {};
        int best = 0;
        for (quint32 board : boards) {
            const int h = std::popcount(board & subset);
            ++counts[size_t(h)];
            best = std::max(best, h);
        }
        ++f.bestHits[size_t(j)][size_t(best)];
        for (int h = 0; h <= j; ++h) {
            f.boardHits[size_t(j)][size_t(h)] += counts[size_t(h)];
            ++f.spread[size_t(j)][size_t(h)][size_t(counts[size_t(h)])];
        }
    }
    return f;
}

const QStringList kSystem1 = { "ABDFHIJ", "ABCEHJK", "ABDFIJK", "BCDEFGL", "ACEGIJL", "DFGHIKL" };
const QStringList kSystem45 = { "ABCDEFG", "HIJKLMN", "OPQRSTU" };

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT

private slots:
    void coverageMatchesBruteForce_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("boards");
        QTest::newRow("5-7-12-6") << "5-7-12" << kSystem1;
        QTest::newRow("3-7-21-3 disjoint") << "3-7-21" << kSystem45;
        // 70 boards: more than one 64-board word per column.
        QStringList all8;
        for (quint32 mask = 0; mask < 256; ++mask)
            if (std::popcount(mask) == 4) {
                QString board;
                for (int p = 0; p < 8; ++p)
                    if (mask & (1u << p))
                        board += QChar('A' + p);
                all8 << board + "IJK";
            }
        QTest::newRow("70 boards over 11") << "4-4-11" << all8;
        QTest::newRow("one board") << "7-7-7" << QStringList { "ABCDEFG" };
    }
    void coverageMatchesBruteForce()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, boards);
        const QStringList nkm = shape.split('-');
        const Wheel wheel = wheelOf(nkm[0].toInt(), nkm[1].toInt(), nkm[2].toInt(), boards);
        const std::optional<CoverageFigures> fast = computeCoverage(wheel);
        QVERIFY(fast);
        const CoverageFigures slow = bruteForce(wheel);
        for (int j = 1; j <= slow.maxDrawn(); ++j) {
            QCOMPARE(fast->bestHits[size_t(j)], slow.bestHits[size_t(j)]);
            QCOMPARE(fast->boardHits[size_t(j)], slow.boardHits[size_t(j)]);
            for (int h = 0; h <= j; ++h)
                QCOMPARE(fast->spread[size_t(j)][size_t(h)], slow.spread[size_t(j)][size_t(h)]);
        }
    }

    // System 45 by hand: a 7-subset of the three disjoint groups of 7 falls on them as
    // (3,3,1) or (3,2,2) for a best of 3, (4,3,0) or (4,2,1) for 4, and so on.
    void disjointBoardsByHand()
    {
        const Wheel wheel = wheelOf(3, 7, 21, kSystem45);
        const std::optional<CoverageFigures> f = computeCoverage(wheel);
        QVERIFY(f);
        const std::array<quint64, 8> best7 = { 0, 0, 0, 3 * 35 * 35 * 7 + 3 * 35 * 21 * 21,
            6 * 35 * 35 + 6 * 35 * 21 * 7, 6 * 21 * 21 + 3 * 21 * 7 * 7, 6 * 7 * 7, 3 };
        QCOMPARE(f->bestHits[7], best7);
        QCOMPARE(f->subsetCount(7), quint64(116280));
        QCOMPARE(f->boardHits[7][0], quint64(3 * 3432)); // a board misses all 7 in C(14, 7) ways
        QCOMPARE(f->balance, std::vector<int>(21, 1));
        const std::optional<GuaranteeProof> proof = proveGuarantee(wheel, 3, 7);
        QVERIFY(proof && proof->holds());
        QCOMPARE(proof->checked, quint64(116280));
    }

    void holesOfBrokenTable()
    {
        // System 1 without its last board, and system 45 without its last: the holes are
        // the K-subsets no board meets in N, counted and listed against a plain search.
        for (const auto &[n, k, m, boards] : { std::tuple(5, 7, 12, kSystem1.mid(0, 5)),
                 std::tuple(3, 7, 21, kSystem45.mid(0, 2)), std::tuple(5, 7, 12, kSystem1) }) {
            const Wheel wheel = wheelOf(n, k, m, boards);
            const std::optional<GuaranteeProof> proof = proveGuarantee(wheel, n, k);
            QVERIFY(proof);
            std::vector<quint32> holes;
            quint64 count = 0;
            const std::vector<quint32> masks = boardMasks(wheel);
            // Lexicographic order of the subsets' ascending positions, as the proof lists them.
            std::vector<quint32> subsets;
            for (quint32 s = 0; s < (1u << m); ++s)
                if (std::popcount(s) == k)
                    subsets.push_back(s);
            std::sort(subsets.begin(), subsets.end(), [](quint32 a, quint32 b) {
                const quint32 first = (a ^ b) & ~((a ^ b) - 1); // lowest position where they differ
                return (a & first) != 0;
            });
            for (quint32 s : subsets) {
                bool met = false;
                for (quint32 b : masks)
                    met = met || std::popcount(b & s) >= n;
                if (!met && ++count <= 100)
                    holes.push_back(s);
            }
            QCOMPARE(proof->holeCount, count);
            QCOMPARE(proof->holes, holes);
            QCOMPARE(proof->holds(), count == 0);
        }
    }
    void drawWeights_data()
    {
        QTest::addColumn<int>("pool");
        QTest::addColumn<int>("h");
        QTest::addColumn<qint64>("ways"); // draws with exactly h of the 7 chosen
        QTest::addColumn<qint64>("draws");
        QTest::newRow("7 of 49, all seven") << 49 << 7 << qint64(1) << qint64(85900584);
        QTest::newRow("7 of 49, six") << 49 << 6 << qint64(7 * 42) << qint64(85900584);
        QTest::newRow("7 of 39, three") << 39 << 3 << qint64(35 * 35960) << qint64(15380937);
        QTest::newRow("7 of 36, none") << 36 << 0 << qint64(1560780) << qint64(8347680);
        QTest::newRow("7 of 7, all") << 7 << 7 << qint64(1) << qint64(1);
    }
    void drawWeights()
    {
        QFETCH(int, pool);
        QFETCH(int, h);
        QFETCH(qint64, ways);
        QFETCH(qint64, draws);
        const long double expected = static_cast<long double>(ways) / draws;
        QVERIFY2(std::fabs(drawWeight(pool, 7, h) - expected) <= 1e-15L * expected,
            qPrintable(QString::number(double(drawWeight(pool, 7, h)), 'g', 17)));
    }

    // One board is a random board: the wheel's chances must equal the random ones. For
    // system 45 the expected boards do not depend on the arrangement, and the chance of
    // 3 or more when all 21 numbers are drawn from 21 is certain.
    void chances()
    {
        const std::optional<CoverageFigures> one = computeCoverage(wheelOf(7, 7, 7, { "ABCDEFG" }));
        const std::optional<LotteryChances> single = lotteryChances(*one, 49);
        QVERIFY(single);
        for (int h = 1; h <= 7; ++h)
            QVERIFY(std::fabs(single->wheel[size_t(h)] - single->random[size_t(h)]) < 1e-15L);
        QCOMPARE(double(single->wheel[7]), 1.0 / 85900584);

        const std::optional<CoverageFigures> f = computeCoverage(wheelOf(3, 7, 21, kSystem45));
        for (int pool : { 21, 27, 36, 49 }) {
            const std::optional<LotteryChances> c = lotteryChances(*f, pool);
            QVERIFY(c);
            for (int h = 1; h <= 7; ++h) {
                // The wheel's average of boards with h hits, over the draw, equals G times one board's
                // chance.
                long double average = 0;
                for (int j = h; j <= 7; ++j)
                    average += drawWeight(pool, 21, j) * f->averageBoards(j, h);
                QVERIFY(std::fabs(average - c->expectedBoards[size_t(h)]) < 1e-12L);
            }
            if (pool == 21)
                QCOMPARE(double(c->wheel[3]), 1.0);
            // The three disjoint boards never share a hit: 3 × one board's chance of 7.
            QVERIFY(std::fabs(c->wheel[7] - 3 * drawWeight(pool, 7, 7)) < 1e-18L);
        }
        QVERIFY(!lotteryChances(*f, 20)); // 21 numbers do not fit in a pool of 20
    }

    void csvLines()
    {
        const std::optional<CoverageFigures> f = computeCoverage(wheelOf(3, 7, 21, kSystem45));
        const QList<QByteArray> lines = analysisCsv(*f, { 49, 20, 39 }).split('\n');
        QCOMPARE(lines.size(), 35 + 2 * 5 + 1); // pool 20 cannot hold 21 numbers
        QCOMPARE(lines.last(), QByteArray());
        QCOMPARE(lines.at(0), QByteArray("coverage,1,0,0"));
        QCOMPARE(lines.at(34), QByteArray("coverage,7,7,2.57997936017e-05"));
        QCOMPARE(lines.at(35).left(11), QByteArray("chance,49,3"));
        QCOMPARE(lines.at(44).left(11), QByteArray("chance,39,7"));
        const QRegularExpression chance(QStringLiteral("^chance,\\d+,[3-7],[0-9.e-]+,[0-9.e-]+$"));
        for (int i = 35; i < 45; ++i)
            QVERIFY2(chance.match(QString::fromLatin1(lines.at(i))).hasMatch(), lines.at(i).constData());
    }

    void readBoardFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QByteArray>("letters"); // the boards as positions, when it loads
        QTest::newRow("export") << QByteArray("5,9,14,21,27,33,38,\r\n38,33,2,9,14,21,27,\r\n") << ""
                                << QByteArray("BCDEFGHACDEFGH");
        QTest::newRow("spaces, blank line")
            << QByteArray("1 2 3 4 5 6 7\n\n1;2;3;4;5;6;50") << "" << QByteArray("ABCDEFGABCDEFH");
        QTest::newRow("six numbers") << QByteArray("1,2,3,4,5,6,7,\n1,2,3,4,5,6,\n")
                                     << "line 2: 6 numbers instead of 7" << QByteArray();
        QTest::newRow("eight numbers")
            << QByteArray("1,2,3,4,5,6,7,8\n") << "line 1: more than 7 numbers" << QByteArray();
        QTest::newRow("zero") << QByteArray("\n\n0,2,3,4,5,6,7\n") << "line 3: 0 is not a number from 1 to 50"
                              << QByteArray();
        QTest::newRow("51") << QByteArray("1,2,3,4,5,6,51\n") << "line 1: 51 is not a number from 1 to 50"
                            << QByteArray();
        QTest::newRow("huge") << QByteArray("1,2,3,4,5,6,99999999999999999999\n")
                              << "line 1: 999999999999 is not a number from 1 to 50" << QByteArray();
        QTest::newRow("twice") << QByteArray("1,2,3,4,5,6,1\n") << "line 1: 1 appears twice" << QByteArray();
        QTest::newRow("letter") << QByteArray("1,2,3,x,5,6,7\n") << "line 1: 'x' is not a number"
                                << QByteArray();
        QTest::newRow("empty") << QByteArray("\r\n\n") << "line 1: no board" << QByteArray();
        QByteArray wide;
        for (int b = 0; b < 5; ++b)
            for (int k = 1; k <= 7; ++k)
                wide += QByteArray::number(b * 7 + k) + (k < 7 ? "," : "\n");
        QTest::newRow("31 numbers") << wide << "line 5: more than 30 different numbers in the wheel"
                                    << QByteArray();
    }
    void readBoardFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        QFETCH(QByteArray, letters);
        QString fault;
        const BoardFile file = quillon::readBoardFile(text, 3, 7, &fault);
        QCOMPARE(fault, error);
        QCOMPARE(file.wheel.isEmpty(), !error.isEmpty());
        QByteArray got;
        for (int b = 1; b <= file.wheel.boardCount(); ++b)
            got += file.wheel.board(b);
        QCOMPARE(got, letters);
        if (!letters.isEmpty())
            QCOMPARE(file.wheel.poolSize(), int(file.numbers.size()));
    }
    // A table found by the search holds its guarantee and is written back with the
    // player's numbers. Filling keeps no hole and adds at most one board a hole;
    // shrinking ends below the boards it started from (weighted search for N = K).
    void searchedWheels_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("m");
        QTest::addColumn<QStringList>("boards");
        QTest::addColumn<bool>("fill");
        QTest::newRow("fill 5-7-12, a board lost") << 5 << 7 << 12 << kSystem1.mid(0, 5) << true;
        QTest::newRow("fill 3-7-21, a board lost") << 3 << 7 << 21 << kSystem45.mid(0, 2) << true;
        QTest::newRow("fill 5-7-14, two boards")
            << 5 << 7 << 14 << QStringList { "ABCDEFG", "HIJKLMN" } << true;
        QTest::newRow("shrink 3-7-21, two boards too many")
            << 3 << 7 << 21 << kSystem45 + QStringList { "ACEGIKM", "BDFHJLN" } << false;
        QTest::newRow("shrink 4-4-8, every board")
            << 4 << 4 << 8
            << QStringList { "ABCDEFG", "ABCDEFH", "ABCDEGH", "ABCDFGH", "ABCEFGH", "ABDEFGH", "ACDEFGH",
                   "BCDEFGH" }
            << false;
    }
    void searchedWheels()
    {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(int, m);
        QFETCH(QStringList, boards);
        QFETCH(bool, fill);
        const Wheel wheel = wheelOf(n, k, m, boards);
        const std::optional<GuaranteeProof> before = proveGuarantee(wheel, n, k);
        QVERIFY(before && before->holds() != fill);
        const std::optional<FoundWheel> found
            = searchBetterWheel(wheel, fill ? WheelSearchGoal::FillHoles : WheelSearchGoal::Shrink);
        QVERIFY(found);
        const std::optional<GuaranteeProof> after = proveGuarantee(found->wheel, n, k);
        QVERIFY(after && after->holds() && found->proof.holds());
        QCOMPARE(found->proof.checked, binomial(m, k));
        if (fill)
            QVERIFY(quint64(found->wheel.boardCount()) <= quint64(wheel.boardCount()) + before->holeCount);
        else
            QVERIFY(found->wheel.boardCount() < wheel.boardCount());
        QVERIFY(found->wheel.boardCount() >= boardLowerBound(n, k, m));

        // Written with numbers 3, 5, 7 … and read back: the same boards.
        std::vector<int> numbers;
        for (int p = 1; p <= m; ++p)
            numbers.push_back(2 * p + 1);
        QString error;
        const BoardFile read = quillon::readBoardFile(boardFileText(found->wheel, numbers), n, k, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(read.numbers, numbers);
        QCOMPARE(read.wheel.boardCount(), found->wheel.boardCount());
        for (int b = 1; b <= read.wheel.boardCount(); ++b)
            QCOMPARE(read.wheel.board(b), found->wheel.board(b));
    }
    void lowerBounds_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("bound");
        QTest::newRow("5-7-12 counting") << 5 << 7 << 12 << 4;
        QTest::newRow("3-7-21 counting") << 3 << 7 << 21 << 3;
        QTest::newRow("6-6-9 Schönheim") << 6 << 6 << 9 << 16;
        QTest::newRow("5-5-13 Schönheim") << 5 << 5 << 13 << 67;
        QTest::newRow("4-4-17 Schönheim") << 4 << 4 << 17 << 78;
        QTest::newRow("7-7-9 every 7-subset") << 7 << 7 << 9 << 36;
    }
    void lowerBounds()
    {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(int, m);
        QTEST(boardLowerBound(n, k, m), "bound");
    }
};

QTEST_GUILESS_MAIN(TestAnalysis)
#include "test_analysis.moc"
