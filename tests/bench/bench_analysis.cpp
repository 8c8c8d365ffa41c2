// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark of a wheel's analysis (not a CTest test): the coverage figures of the heaviest
// system and its chances in the five lotteries, and the proof of its guarantee.
// Run: taskset -c 0 build/bench_analysis
// and, for the longest stall of the UI thread while the window counts system 115:
//   QT_QPA_PLATFORM=offscreen build/bench_analysis uiThreadWhileCounting
// The plain brute force to compare with: build/coverage_reference src/core/wheels/tables/115.txt 26

#include "core/analysis/chances.h"
#include "core/analysis/coverage.h"
#include "core/session.h"
#include "gui/systemanalysisdialog.h"

#include <QApplication>
#include <QElapsedTimer>
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
        // The reference program's checksum of the same tallies, to compare with its output.
        const std::optional<CoverageFigures> figures = computeCoverage(wheel);
        quint64 sum = 0;
        for (int j = 0; j < 8; ++j)
            for (int h = 0; h < 8; ++h)
                sum = sum * 31 + figures->bestHits[size_t(j)][size_t(h)]
                    + 7 * figures->boardHits[size_t(j)][size_t(h)];
        qInfo("checksum %llu", static_cast<unsigned long long>(sum));
    }

    void proof_data() { coverageAndChances_data(); }
    void proof()
    {
        QFETCH(int, system);
        const Wheel wheel = Wheel::fromCatalogue(system);
        QBENCHMARK
        {
            QVERIFY(proveGuarantee(wheel, wheel.guarantee(), wheel.condition())->holds());
        }
    }

    // Not a timing of the counting: the longest time the event loop went without a turn
    // while the window counted the heaviest system on its worker thread.
    void uiThreadWhileCounting()
    {
        Session session;
        session.wheel = Wheel::fromCatalogue(115);
        for (int p = 1; p <= session.wheel.poolSize(); ++p)
            session.selection.numbers[size_t(p)] = p;
        SystemAnalysisDialog window(session, nullptr);
        window.show();
        QVERIFY(window.isComputing());
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longest = 0, first = -1;
        while (window.isComputing()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            const qint64 now = clock.nsecsElapsed();
            // The first turn lays the window out and paints it for the first time.
            if (first < 0)
                first = now;
            else
                longest = std::max(longest, now - last);
            last = now;
        }
        qInfo(
            "first appearance %.1f ms; counted in %.0f ms; longest time between two turns of the event loop "
            "after that, the figures' display included: %.1f ms",
            first / 1e6, last / 1e6, longest / 1e6);
    }
};

QTEST_MAIN(BenchAnalysis)
#include "bench_analysis.moc"
