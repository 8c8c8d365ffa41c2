// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark of a wheel's analysis (not a CTest test): the coverage figures of the heaviest
// system and its chances in the five lotteries, and the proof of its guarantee.
// Run: taskset -c 0 build/tests/bench_analysis
// The plain brute force to compare with: build/tests/coverage_reference src/core/wheels/tables/115.txt 26

#include "core/analysis/chances.h"
#include "core/analysis/coverage.h"

#include <QObject>
#include <QTest>

using namespace quillon;

class BenchAnalysis : public QObject {
    Q_OBJECT

private slots:
    void coverageAndChances_data()
    {
        QTest::addColumn<int>("system");
        QTest::newRow("115: 5-6-26-1703") << 115;
        QTest::newRow("119: 6-7-21-2784") << 119;
    }
    void coverageAndChances()
    {
        QFETCH(int, system);
        const Wheel wheel = Wheel::fromCatalogue(system);
        QBENCHMARK
        {
            const std::optional<CoverageFigures> figures = computeCoverage(wheel);
            for (int pool : { 49, 47, 39, 27, 36 })
                if (const auto chances = lotteryChances(*figures, pool))
                    QVERIFY(chances->wheel[3] > 0);
        }
    }

    void proof_data()
    {
        QTest::addColumn<int>("system");
        QTest::newRow("115: 5-6-26-1703") << 115;
        QTest::newRow("119: 6-7-21-2784") << 119;
    }
    void proof()
    {
        QFETCH(int, system);
        const Wheel wheel = Wheel::fromCatalogue(system);
        QBENCHMARK
        {
            QVERIFY(proveGuarantee(wheel, wheel.guarantee(), wheel.condition())->holds());
        }
    }
};

QTEST_GUILESS_MAIN(BenchAnalysis)
#include "bench_analysis.moc"
