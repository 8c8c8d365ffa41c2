// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient's bands behind every window.
#include "gui/gradient.h"

#include <QTest>

class TestGradient : public QObject {
    Q_OBJECT

private slots:
    void mulDivRoundsHalvesAwayFromZero_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("result");
        QTest::newRow("exact") << 10 << 256 << 256 << 10;
        QTest::newRow("half up") << 1 << 1 << 2 << 1;
        QTest::newRow("below half") << 1 << 1 << 3 << 0;
        QTest::newRow("negative half") << 1 << -1 << 2 << -1;
        QTest::newRow("negative below half") << 1 << -1 << 3 << 0;
        QTest::newRow("colour step") << 128 << -52 << 255 << -26;
        QTest::newRow("no overflow") << 2000000000 << 2000000000 << 2000000000 << 2000000000;
    }
    void mulDivRoundsHalvesAwayFromZero()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, result);
        QCOMPARE(mulDiv(a, b, c), result);
    }

    void gradientBands_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        // Window colours: (241, 255, 223) to (235, 254, 171).
        QTest::newRow("first band") << 0 << 256 << 0 << 1 << 241 << 255 << 223;
        QTest::newRow("last band") << 255 << 256 << 255 << 256 << 235 << 254 << 171;
        QTest::newRow("middle band") << 128 << 256 << 128 << 129 << 238 << 254 << 197;
        QTest::newRow("two-pixel bands") << 10 << 512 << 20 << 22 << 241 << 255 << 221;
        QTest::newRow("main window height") << 100 << 419 << 164 << 165 << 239 << 255 << 203;
    }
    void gradientBands()
    {
        QFETCH(int, band);
        QFETCH(int, height);
        const GradientBand b = gradientBand(band, height, kWindowStartColor, kWindowEndColor);
        QTEST(b.top, "top");
        QTEST(b.bottom, "bottom");
        QTEST(b.color.red(), "r");
        QTEST(b.color.green(), "g");
        QTEST(b.color.blue(), "b");
    }

    void equalColoursGiveAUniformGradient()
    {
        const QColor c(10, 20, 30);
        for (int i = 0; i < kGradientBands; ++i)
            QCOMPARE(gradientBand(i, 300, c, c).color, c);
    }
};

QTEST_GUILESS_MAIN(TestGradient)
#include "test_gradient.moc"
