// SPDX-License-Identifier: GPL-3.0-or-later
// The message catalogue and its lookup, and the gradient's bands.
#include "gui/gradient.h"
#include "core/text/messages.h"
#include "support/fakeplatform.h"
#include "core/text/translationfile.h"

#include <QTest>

using namespace quillon;

class TestApp : public QObject {
    Q_OBJECT

    const TranslationFile noTranslationFile;

private slots:
    void lookup_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("fr 49 has no accent") << 1 << 49 << QStringLiteral("Parametres");
        QTest::newRow("fr 40 blank after apostrophe") << 1 << 40 << QStringLiteral("Type d' impression");
        QTest::newRow("fr 76 blank before question mark") << 1 << 76 << QStringLiteral("Continuer quand même ?");
        QTest::newRow("en 76") << 2 << 76 << QStringLiteral("Continue");
        QTest::newRow("en 105") << 2 << 105 << QStringLiteral("Continue ?");
        QTest::newRow("en 21") << 2 << 21 << QStringLiteral("Quit");
        QTest::newRow("pt 112") << 3 << 112 << QStringLiteral("Linguagem");
        QTest::newRow("pt 21 empty") << 3 << 21 << QString();
        QTest::newRow("none 21") << 4 << 21 << QString();
        QTest::newRow("none 112") << 4 << 112 << QString();
        QTest::newRow("it 115") << 5 << 115 << QStringLiteral("Stampante");
        QTest::newRow("hr 32") << 6 << 32 << QStringLiteral("Pomoć");
        QTest::newRow("hr 2") << 6 << 2 << QStringLiteral("Printati listiće");
        QTest::newRow("hr 82") << 6 << 82 << QStringLiteral("Greška kod čitanja dadoteke");
        QTest::newRow("hr 64 empty") << 6 << 64 << QString();
        QTest::newRow("code 7") << 7 << 21 << QString();
        QTest::newRow("code 0") << 0 << 21 << QString();
        QTest::newRow("code -3") << -3 << 21 << QString();
        QTest::newRow("unused number") << 1 << 3 << QString();
        QTest::newRow("number out of range") << 1 << 500 << QString();
    }
    void lookup()
    {
        QFETCH(int, language);
        QFETCH(int, message);
        QFETCH(QString, text);
        test::FakePlatform fakes;
        QCOMPARE(Texts(&noTranslationFile, Language(language))(Msg(message)), text);
        QVERIFY(fakes.prompts.calls.isEmpty());
    }

    void everyUsedMessageHasFrenchAndEnglish()
    {
        const int used[] = {1,  2,  21, 22, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39,  40,  41,  42,  43,  44,
                            45, 46, 47, 48, 49, 50, 53, 55, 56, 57, 58, 59, 60, 61, 62,  63,  64,  65,  66,  67,
                            68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82,  83,  85,  86,  87,  88,
                            104, 105, 106, 107, 108, 109, 112, 113, 114, 115};
        for (int n : used) {
            QVERIFY2(!catalogueText(n, Language::French).isEmpty(), qPrintable(QString::number(n)));
            QVERIFY2(!catalogueText(n, Language::English).isEmpty(), qPrintable(QString::number(n)));
        }
    }

    void lookupWithoutManagerShowsTheErrorBox()
    {
        test::FakePlatform fakes;
        QCOMPARE(Texts(nullptr, Language::French)(Msg::Quit), QString());
        const auto calls = fakes.prompts.messages();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].text, QStringLiteral("Erreur"));
        QCOMPARE(calls[0].caption, QStringLiteral("Erreur dans pgloretlibmessage"));
        QCOMPARE(calls[0].buttons, Prompts::Buttons::Ok);
    }

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

QTEST_GUILESS_MAIN(TestApp)
#include "test_app.moc"
